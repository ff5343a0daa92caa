// The program's owner of the drill: start-up, error policy, and closing.
#include "ui/window/app_controller.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <new>
#include <utility>

#include "core/file/io_error.h"
#include "ui/platform/quit_signals.h"
#include "ui/platform/translation.h"
#include "ui/platform/window_activation.h"
#include "ui/window/message_boxes.h"
#include "ui/window/titles.h"

namespace dru::ui {

AppController::AppController(DrillView& view, Dialogs& dialogs, QWidget& window, const Clock* clock)
    : window_(window),
      session_(view, dialogs, clock != nullptr ? *clock : systemClock_, DefaultHistoryPath()) {}

std::optional<int> AppController::StartUp(WindowActivator& activator, const std::string& file) {
  std::string why;
  const std::string runtime = RuntimeFolder(&why);
  const InstanceClaim claim = ClaimInstance(runtime, instanceLock_, &why);
  if (claim == InstanceClaim::CouldNotCheck) {
    instanceProblem_ = Args(
        dru::Tr("Instance", "dru cannot tell whether it runs already, and runs alone: %1."), {why});
    std::fprintf(stderr, "dru: %s\n", instanceProblem_.c_str());
  }
  if (claim == InstanceClaim::AnotherRunning) {
    // The launcher's token lets the running window take the focus.
    InstanceRequest request{file, qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString()};
    if (request.activationToken.empty()) {
      request.activationToken = qEnvironmentVariable("DESKTOP_STARTUP_ID").toStdString();
    }
    if (SendToRunningInstance(InstanceChannelPath(runtime), request)) return 0;
    // The running dru is found by its caption all the same; but a file it
    // was not handed is not opened, and that must not pass for success.
    activator.ActivateWindowByCaption(WindowCaption().toStdString());
    if (file.empty()) return 0;
    std::fprintf(
        stderr, "dru: %s\n",
        Args(dru::Tr("Instance", "the running dru could not be reached at %1; %2 was not opened"),
             {InstanceChannelPath(runtime), file})
            .c_str());
    return 1;
  }
  if (claim == InstanceClaim::OnlyInstance) ListenForOtherStarts(runtime);
  // Session end (log-off) runs the closing sequence's saving steps too,
  // with nobody there to answer a box.
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window_, [this](QSessionManager&) {
    if (startFile_) return;  // nothing read yet: the settings stay as they are
    RunHandler([this] { session_.GetLifecycle().SaveBeforeClose(false); }, Report::OnStandardError);
    RunHandler([this] { session_.GetLifecycle().WriteIniFile(); }, Report::OnStandardError);
  });
  startFile_ = file;
  // Before the window is first drawn: the options as chosen, and the file
  // about to be read.
  RunHandler([&] { session_.GetLifecycle().ReadSettings(file); }, Report::OnStandardError);
  return std::nullopt;
}

void AppController::OpenStartFile() {
  if (!startFile_) return;
  const std::string file = *std::exchange(startFile_, std::nullopt);
  std::string failure;
  RunHandler([&] { failure = session_.GetLifecycle().StartUp(file, ExamplesFolder()); });
  session_.History().SayWhatTheLastBackupFound();
  if (!instanceProblem_.empty()) session_.GetCommands().Notify(instanceProblem_);
  if (!failure.empty() && !closingOnSignal_) ShowErrorReport(&window_, failure);
}

void AppController::ListenForOtherStarts(const std::string& runtimeFolder) {
  channel_ = InstanceChannel::Listen(InstanceChannelPath(runtimeFolder));
  if (!channel_) return;
  auto* notifier = new QSocketNotifier(channel_->Descriptor(), QSocketNotifier::Read, &window_);
  QObject::connect(notifier, &QSocketNotifier::activated, &window_, [this] {
    for (InstanceRequest& request : channel_->TakeRequests())
      requests_.push_back(std::move(request));
    Serve();
  });
}

void AppController::Serve() {
  if (requests_.empty()) return;
  // Start-up opens its own file first, and a box of ours is answered
  // first; its handler then ends before another file is opened.
  if (startFile_ || QApplication::activeModalWidget() != nullptr || closingOnSignal_) {
    QTimer::singleShot(200, &window_, [this] { Serve(); });
    return;
  }
  std::vector<InstanceRequest> requests = std::move(requests_);
  requests_.clear();
  for (const InstanceRequest& request : requests) {
    BringToFront(window_, request.activationToken);
    if (!request.file.empty()) {
      RunHandler([this, &request] { session_.GetCommands().OpenNamed(request.file); });
    }
  }
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
  // Closed before start-up read anything: there is nothing to save, and
  // the settings on disk stay as they are.
  if (startFile_) {
    startFile_.reset();
    return true;
  }
  const bool unattended = closingOnSignal_;
  closingOnSignal_ = false;  // a close that fails leaves the window to its user
  const Report report = unattended ? Report::OnStandardError : Report::InBox;
  bool saved = false;
  RunHandler([&] { saved = session_.GetLifecycle().SaveBeforeClose(!unattended); }, report);
  if (!saved) {
    // The user can retry, or close the file without saving.
    if (unattended) QuitSignals::CloseEnded();
    return false;
  }
  // A failed settings write is shown; the program ends all the same, so an
  // unwritable folder never keeps the window from closing.
  RunHandler([this] { session_.GetLifecycle().WriteIniFile(); }, report);
  // The file and the settings are written: a second signal may end it now.
  if (unattended) QuitSignals::CloseWritten();
  session_.Finish();
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
    failure = dru::Tr("Messages", "Not enough memory");
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
