#include "core/recall/recall_session.h"

namespace dru {

void RecallSession::Show(std::string_view sentence, std::int64_t key, RecallOption option,
                         std::optional<double> stability, std::int64_t today,
                         TextEncoding encoding) {
  if (option == RecallOption::ShowWholeSentence) {
    Hide();
    return;
  }
  cue_.emplace(sentence, LevelOf(option, key, stability, today), encoding);
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

void RecallSession::StartDay(std::int64_t today) {
  if (today == today_) return;
  steps_.clear();
  today_ = today;
}

void RecallSession::Remember(std::int64_t key, std::optional<CueLevel> step, bool answeredRight,
                             std::int64_t today) {
  StartDay(today);
  if (step) steps_[key] = *step;
  if (answeredRight) answeredRight_.insert(key);
}

void RecallSession::Answered(std::int64_t key, CueLevel shown, AnswerResult result,
                             std::int64_t today) {
  StartDay(today);
  steps_[key] = StepAfter(shown, result);
  if (result == AnswerResult::Right || result == AnswerResult::RightWithHint) {
    answeredRight_.insert(key);
  }
}

CueLevel RecallSession::LevelOf(RecallOption option, std::int64_t key,
                                std::optional<double> stability, std::int64_t today) const {
  if (option == RecallOption::FadeAsYouLearn) {
    if (today == today_) {
      if (const auto step = steps_.find(key); step != steps_.end()) return step->second;
    }
    return FadeLevel(stability);
  }
  const CueLevel level = FactsOf(option).level.value_or(CueLevel::WholeSentence);
  // Dictation is of a sentence unseen: it is heard from the first time.
  if (level == CueLevel::Listening) return level;
  return answeredRight_.contains(key) ? level : CueLevel::WholeSentence;
}

}  // namespace dru
