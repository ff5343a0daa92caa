// The session root: builds the drill and what works on it, and routes each
// answer to the history.
#include "app/session.h"

#include <utility>

namespace dru {

Session::Session(DrillView& view, Dialogs& dialogs, const Clock& clock, std::string historyPath)
    : drill_(view, clock),
      commands_(drill_, dialogs),
      lifecycle_(drill_, commands_),
      history_(drill_, commands_, clock, std::move(historyPath)),
      progress_(commands_, dialogs, history_) {
  commands_.SetReviewSource(&history_);
  // One way: the drill judges and hands the answer out, the history keeps
  // it and hands the state back, the drill picks the next sentence, and
  // then, the operation over, the history has its say and the Progress
  // window reads the drill.
  drill_.SetAnswerKeeper(
      [this](const DrillAnswer& answer) {
        const KeptAnswer kept = history_.Record(answer);
        historyChanged_ = historyChanged_ || kept.kept;
        return kept.state;
      },
      [this] {
        history_.SayWhatWaits();
        if (std::exchange(historyChanged_, false) && onHistoryChanged) onHistoryChanged();
      });
  commands_.onFileRead = [this] {
    if (onHistoryChanged) onHistoryChanged();
  };
}

Session::~Session() {
  drill_.SetAnswerKeeper({});
  commands_.onFileRead = nullptr;
}

void Session::Finish() {
  history_.EndSession();
  history_.BackUpInBackground();
  lifecycle_.FreeLists();
}

}  // namespace dru
