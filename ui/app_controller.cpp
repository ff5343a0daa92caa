// The program's owner of the drill: start-up, error policy, and closing.
#include "app_controller.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <new>

#include "io_error.h"
#include "message_boxes.h"
#include "quit_signals.h"
#include "titles.h"

namespace dru::ui {

AppController::AppController(DrillView& view, QWidget& window)
    : window_(window),
      drill_(view, clock_),
      commands_(drill_, view),
      lifecycle_(drill_, commands_),
      history_(drill_, commands_, view, clock_, DefaultHistoryPath()) {
  commands_.SetReviewSource(&history_);
}

bool AppController::StartUp(WindowActivator& activator) {
  if (ClaimInstance(RuntimeFolder(), instanceLock_) == InstanceClaim::AnotherRunning) {
    activator.ActivateWindowByCaption(kWindowCaption);
    return false;
  }
  // Session end (log-off) runs the closing sequence's saving steps too,
  // with nobody there to answer a box.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_, [this](QSessionManager&) {
    RunHandler([this] { lifecycle_.SaveBeforeClose(false); }, Report::OnStandardError);
    RunHandler([this] { lifecycle_.WriteIniFile(); }, Report::OnStandardError);
  });
  RunHandler([this] { lifecycle_.StartUp(); });
  return true;
}

void AppController::CloseOnSignal() {
  closingOnSignal_ = true;
  // A box of ours is answered Cancel and the handler that asked ends
  // there; the close follows once no box is left.
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    QTimer::singleShot(0, &window_, [this] { CloseOnSignal(); });
    return;
  }
  window_.close();
}

void AppController::EndHandlerOnSignal() const {
  if (closingOnSignal_) throw EndedBySignal{};
}

bool AppController::CloseRequested() {
  const bool unattended = closingOnSignal_;
  closingOnSignal_ = false;  // a close that fails leaves the window to its user
  const Report report = unattended ? Report::OnStandardError : Report::InBox;
  bool saved = false;
  RunHandler([&] { saved = lifecycle_.SaveBeforeClose(!unattended); }, report);
  if (!saved) {
    // The user can retry, or close the file without saving.
    if (unattended) QuitSignals::CloseEnded();
    return false;
  }
  // A failed settings write is shown; the program ends all the same, so an
  // unwritable folder never keeps the window from closing.
  RunHandler([this] { lifecycle_.WriteIniFile(); }, report);
  history_.EndSession();
  lifecycle_.FreeLists();
  return true;
}

void AppController::RunHandler(const std::function<void()>& handler, Report report) {
  std::string failure;
  try {
    handler();
    return;
  } catch (const EndedBySignal&) {
    return;
  } catch (const std::bad_alloc&) {
    failure = "Not enough memory";
  } catch (const std::exception& error) {
    failure = error.what();
  }
  if (report == Report::OnStandardError) {
    std::fprintf(stderr, "dru: %s\n", WithFullStop(failure).c_str());
  } else {
    ShowErrorReport(&window_, failure);
  }
}

}  // namespace dru::ui
