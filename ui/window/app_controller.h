#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/instance_channel.h"
#include "app/session.h"
#include "app/single_instance.h"
#include "core/drill/clock.h"
#include "core/drill/drill.h"

namespace dru::ui {

// The Qt glue of the program behind the window: owns the session, runs
// every event handler under one error policy, listens for later starts,
// and closes on a termination signal or at the end of the desktop session.
class AppController {
 public:
  // clock: the system's, unless a test brings its own.
  AppController(DrillView& view, Dialogs& dialogs, QWidget& window, const Clock* clock = nullptr);

  // Start-up: the single-instance check. When another instance runs, it
  // is handed file (from the command line, absolute), and this one must
  // end at once with the status returned: 0, or 1 when file could not be
  // handed over (said on standard error). None: this one goes on.
  std::optional<int> StartUp(WindowActivator& activator, const std::string& file = {});
  // The rest of start-up, once the window is on screen: the settings, and
  // the file named at StartUp or the last file. Nothing unless StartUp
  // came first.
  void OpenStartFile();

  enum class Report { InBox, OnStandardError };
  // Runs an event handler; an error ends it and is shown in the general
  // error report, after which the program waits for the next event.
  void RunHandler(const std::function<void()>& handler, Report report = Report::InBox);

  // A termination signal: any open box is shut and the handler that showed
  // it ends, then the window closes with failures reported on standard
  // error, since nobody may be there to answer.
  void CloseOnSignal();
  bool ClosingOnSignal() const noexcept { return closingOnSignal_; }
  // Called after each box or dialog: ends the handler that showed it when
  // a signal shut it.
  void EndHandlerOnSignal() const;
  // The closing sequence: save changes, write the settings, free the
  // lists. False when the window must stay open.
  bool CloseRequested();

  Session& GetSession() noexcept { return session_; }
  Drill& GetDrill() noexcept { return session_.GetDrill(); }
  Commands& GetCommands() noexcept { return session_.GetCommands(); }
  HistoryRecorder& History() noexcept { return session_.History(); }

 private:
  // Thrown from a box that a signal shut, to end the handler that showed it.
  struct EndedBySignal {};

  // Listens for later starts, which hand over their file.
  void ListenForOtherStarts(const std::string& runtimeFolder);
  // Comes to the front and opens what a later start asked for, once no
  // box of ours is up.
  void Serve();

  QWidget& window_;
  SystemClock systemClock_;
  Session session_;
  std::unique_ptr<InstanceLock> instanceLock_;
  std::unique_ptr<InstanceChannel> channel_;
  std::vector<InstanceRequest> requests_;
  std::optional<std::string> startFile_;  // set by StartUp until opened
  bool closingOnSignal_ = false;
  // Why the single-instance check could not be made; said once start-up
  // has read its file.
  std::string instanceProblem_;
};

}  // namespace dru::ui
