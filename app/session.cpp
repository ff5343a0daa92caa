// The session root: builds the drill and what works on it, and routes each
// answer to the history.
#include "app/session.h"

namespace dru {

Session::Session(DrillView& view, Dialogs& dialogs, const Clock& clock, std::string historyPath)
    : drill_(view, clock),
      commands_(drill_, dialogs),
      lifecycle_(drill_, commands_),
      history_(drill_, commands_, clock, std::move(historyPath)) {
  commands_.SetReviewSource(&history_);
  drill_.SetAnswerListener([this](const DrillAnswer& answer) { Answered(answer); });
  commands_.onFileRead = [this] {
    if (onHistoryChanged) onHistoryChanged();
  };
}

Session::~Session() {
  drill_.SetAnswerListener({});
  commands_.onFileRead = nullptr;
}

void Session::Answered(const DrillAnswer& answer) {
  if (history_.Record(answer) && onHistoryChanged) onHistoryChanged();
}

void Session::Finish() {
  history_.EndSession();
  history_.BackUpInBackground();
  lifecycle_.FreeLists();
}

}  // namespace dru
