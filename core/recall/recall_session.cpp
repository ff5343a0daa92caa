#include "core/recall/recall_session.h"

namespace dru {

void RecallSession::Show(std::string_view sentence, std::int64_t key, RecallOption option,
                         std::optional<double> stability, TextEncoding encoding) {
  if (option == RecallOption::ShowWholeSentence) {
    Hide();
    return;
  }
  cue_.emplace(sentence, LevelOf(option, key, stability), encoding);
  ++cueCount_;
}

void RecallSession::Hide() {
  if (cue_) ++cueCount_;
  cue_.reset();
}

std::string RecallSession::Hint(std::size_t matched) {
  if (!cue_) return {};
  ++cueCount_;
  return cue_->Hint(matched);
}

void RecallSession::Answered(std::int64_t key, bool correct) {
  if (correct) {
    answeredWrong_.erase(key);
  } else {
    answeredWrong_.insert(key);
  }
}

CueLevel RecallSession::LevelOf(RecallOption option, std::int64_t key,
                                std::optional<double> stability) const {
  return LevelFor(option, stability, answeredWrong_.contains(key));
}

}  // namespace dru
