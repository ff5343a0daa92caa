// A simulated learner: it reads the cue the drill shows, types what it
// remembers, takes a hint for each hidden word it does not remember, and
// slips on one answer in ten. Its memory follows the power forgetting
// curve of the memory model with parameters of its own, word by word; the
// drill, its history and its learning steps are the program's own.
#include "bench/learner.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/drill/keys.h"
#include "core/recall/words.h"
#include "history/history_store.h"
#include "tests/support/fake_view.h"

namespace {

using dru::CueLevel;
using dru::Grade;

constexpr std::int64_t kSecond = 1000;
constexpr double kDayMs = 86'400'000.0;

const char* const kPoem[] = {
    "The lamps along the harbour wall",    "were lit before the ships came in,",
    "and every window, wide or small,",    "let out the evening's quiet din.",
    "A boy was counting masts by name,",   "his sister counted gulls instead;",
    "they never finished, all the same,",  "for supper called them both to bed.",
    "The tide went out across the sand",   "and left its ribbons on the stones,",
    "the weed lay tangled like a hand",    "that held the shells and little bones.",
    "By morning all the boats were gone,", "the harbour empty, grey and still,",
    "but someone left a lantern on",       "above the steps beneath the hill,",
    "and anyone who climbed that way",     "could see the water turning gold",
    "and hear the harbour start its day.",
};
constexpr int kLines = static_cast<int>(std::size(kPoem));

// The learner's clock: set by the simulation, never by the machine.
class SimulatedClock : public dru::Clock {
 public:
  dru::TimeOfDay NowUtc() const override {
    const std::int64_t ofDay = utc % 86'400'000;
    return {static_cast<unsigned>(ofDay / 3'600'000), static_cast<unsigned>(ofDay / 60'000 % 60),
            static_cast<unsigned>(ofDay / 1000 % 60), static_cast<unsigned>(ofDay % 1000)};
  }
  std::int64_t UtcMilliseconds() const override { return utc; }
  std::int64_t SteadyMilliseconds() const override { return steady; }
  void Pass(std::int64_t ms) {
    utc += ms;
    steady += ms;
  }
  std::int64_t utc = 0;
  std::int64_t steady = 0;
};

// The learner's memory of one word: the memory model's formulas with
// parameters of the learner's own (a quicker learner within the day than
// the defaults, a little more forgetful across days).
class WordMemory {
 public:
  double Recall(std::int64_t nowMs) const {
    if (stability_ <= 0) return 0;
    const double days = std::max(0.0, static_cast<double>(nowMs - lastMs_) / kDayMs);
    return std::pow(1 + kFactor * days / stability_, -kDecay);
  }
  // seen: the word was on display, typed while looking at it.
  void Review(Grade grade, std::int64_t nowMs, bool seen = false) {
    const int g = static_cast<int>(grade);
    if (stability_ <= 0) {
      // A glance is not a review: a word first seen is kept for minutes.
      stability_ = seen ? kSeenDays : kW[g - 1];
      difficulty_ = std::clamp(kW[4] - std::exp(kW[5] * (g - 1)) + 1, 1.0, 10.0);
    } else {
      const double days = static_cast<double>(nowMs - lastMs_) / kDayMs;
      const double recall = Recall(nowMs);
      if (days < 1) {
        stability_ *= std::exp(kW[17] * (g - 3 + kW[18])) * std::pow(stability_, -kW[19]);
        if (g >= 3) stability_ = std::max(stability_, 0.01);
      } else if (g == 1) {
        stability_ =
            std::min(kW[11] * std::pow(difficulty_, -kW[12]) *
                         (std::pow(stability_ + 1, kW[13]) - 1) * std::exp(kW[14] * (1 - recall)),
                     stability_);
      } else {
        stability_ *= 1 + std::exp(kW[8]) * (11 - difficulty_) * std::pow(stability_, -kW[9]) *
                              (std::exp(kW[10] * (1 - recall)) - 1) * (g == 2 ? kW[15] : 1) *
                              (g == 4 ? kW[16] : 1);
      }
      const double delta = -kW[6] * (g - 3);
      const double moved = difficulty_ + delta * (10 - difficulty_) / 9;
      const double easy = kW[4] - std::exp(kW[5] * 3) + 1;
      difficulty_ = std::clamp(kW[7] * easy + (1 - kW[7]) * moved, 1.0, 10.0);
    }
    stability_ = std::max(stability_, 0.001);
    lastMs_ = nowMs;
  }

 private:
  static constexpr double kW[] = {0.3, 1.1,  2.6,  8.0, 6.2, 0.8, 3.2,  0.002, 1.7,  0.18, 0.8,
                                  1.5, 0.07, 0.28, 1.7, 0.6, 1.8, 0.75, 0.15,  0.06, 0.18};
  static constexpr double kDecay = 0.18;
  static constexpr double kSeenDays = 0.01;
  static inline const double kFactor = std::pow(0.9, -1 / kDecay) - 1;
  double stability_ = 0;
  double difficulty_ = 5;
  std::int64_t lastMs_ = 0;
};

struct Figures {
  std::set<int> fromPrompt;  // lines typed right from the prompt alone
  std::int64_t answers = 0;
  std::int64_t firstLetterAnswers = 0;
  std::int64_t firstLetterHints = 0;
  int atFirstLettersOrBeyond = 0;  // after the days, by the level the next day starts at
};

class Learner {
 public:
  Learner(dru::SentenceOrder order, dru::RecallOption recall, unsigned seed)
      : random_(seed), order_(order), recall_(recall) {
    folder_ = std::filesystem::temp_directory_path() /
              ("dru-learner-" + std::to_string(getpid()) + "-" + std::to_string(seed));
    std::filesystem::create_directories(folder_);
    path_ = (folder_ / "poem.txt").string();
    store_ = dru::HistoryStore::Open((folder_ / "history.sqlite3").string());
    for (const char* line : kPoem) {
      std::vector<WordMemory> words;
      for (std::size_t i = 0; i < dru::FindWords(line, dru::TextEncoding::Utf8).size(); ++i)
        words.emplace_back();
      memory_[line] = std::move(words);
    }
    // A morning in the learner's time zone, at an hour of its own.
    clock_.utc = dru::LocalMidnight(1'796'119'200'000) + 9 * 3'600'000;
    drill_.SetAnswerKeeper([this](const dru::DrillAnswer& answer) {
      dru::AnswerRecord record;
      record.timeMs = clock_.utc;
      record.file = path_;
      record.sentence = answer.sentence;
      record.correct = answer.correct;
      record.typingMs = answer.typingMs;
      record.keys = answer.keys;
      record.mistakes = answer.mistakes;
      record.cue = answer.cue;
      record.slip = answer.slip;
      Count(answer);
      return store_->Record(record);
    });
  }
  ~Learner() {
    store_.reset();
    std::filesystem::remove_all(folder_);
  }

  // A sitting of minutes, as a learner opens the file and drills it.
  void Sit(int minutes) {
    dru::SentenceFile file = dru::testing::MakeFile(
        {kPoem[0], kPoem[1], kPoem[2], kPoem[3], kPoem[4], kPoem[5], kPoem[6], kPoem[7], kPoem[8],
         kPoem[9], kPoem[10], kPoem[11], kPoem[12], kPoem[13], kPoem[14], kPoem[15], kPoem[16],
         kPoem[17], kPoem[18]},
        dru::TextEncoding::Utf8);
    dru::DrillOptions options;
    options.order = order_;
    options.recall = recall_;
    drill_.SetOptions(options);
    drill_.InstallFile(file);
    const dru::DaySpan today{dru::LocalMidnight(clock_.utc), dru::LocalMidnight(clock_.utc, 1)};
    dru::SentenceReviews reviews;
    store_->Reviews(
        path_, [&](const dru::KeyedReview& review) { reviews.push_back(review); }, today);
    drill_.SetReviews(std::move(reviews));
    drill_.StartFile();
    const std::int64_t end = clock_.utc + minutes * 60 * kSecond;
    while (clock_.utc < end)
      Answer();
  }
  void NextDay() { clock_.utc = dru::LocalMidnight(clock_.utc, 1) + 9 * 3'600'000; }
  Figures Result() {
    // The level each line starts the next day at.
    NextDay();
    for (const char* line : kPoem) {
      const auto review = store_->Review(path_, dru::SentenceKey(line));
      const auto level =
          dru::FadeLevel(review ? std::optional(review->review.stability) : std::nullopt);
      if (level >= CueLevel::FirstLetters) ++figures_.atFirstLettersOrBeyond;
    }
    return figures_;
  }

 private:
  // One answer: word by word, what is shown is typed, what is hidden is
  // typed from memory or after a hint; then Enter.
  void Answer() {
    const std::string target = drill_.Target();
    std::vector<WordMemory>& words = memory_[target];
    const auto spans = dru::FindWords(target, dru::TextEncoding::Utf8);
    std::vector<Grade> grades(spans.size(), Grade::Good);
    std::vector<bool> seen(spans.size(), true);
    for (std::size_t i = 0; i < spans.size(); ++i) {
      const dru::RecallCue* cue = drill_.Snapshot().recall;
      if (cue == nullptr) continue;  // copied: seen, not recalled
      const std::size_t before = spans[i].begin;
      const std::string shown = cue->Shown(before);
      const std::string word = target.substr(before, spans[i].end - before);
      const bool visible = shown.compare(before, word.size(), word) == 0;
      if (visible) continue;
      seen[i] = false;
      const bool known = std::bernoulli_distribution(words[i].Recall(clock_.utc))(random_);
      if (known) {
        grades[i] = Grade::Good;
      } else {
        view_.Paste(drill_, target.substr(0, before));
        drill_.Hint();
        clock_.Pass(2 * kSecond);
        grades[i] = Grade::Again;
      }
    }
    std::string typed = target;
    // One answer in ten slips on a key.
    if (std::bernoulli_distribution(0.1)(random_)) {
      const std::size_t at =
          std::uniform_int_distribution<std::size_t>(1, typed.size() - 1)(random_);
      typed[at] = typed[at] == 'x' ? 'y' : 'x';
    }
    view_.input.clear();
    view_.Type(drill_, static_cast<unsigned char>(typed[0]), typed.substr(0, 1));
    clock_.Pass(static_cast<std::int64_t>(typed.size()) * 200);  // 300 keys a minute
    view_.Paste(drill_, typed);
    for (std::size_t i = 0; i < words.size(); ++i)
      words[i].Review(grades[i], clock_.utc, seen[i]);
    drill_.OnKeyPress(dru::key::kEnter);
    // Reading the result and the next cue.
    clock_.Pass(std::uniform_int_distribution<std::int64_t>(1500, 2500)(random_));
  }
  void Count(const dru::DrillAnswer& answer) {
    ++figures_.answers;
    if (answer.cue.level == CueLevel::FirstLetters) {
      ++figures_.firstLetterAnswers;
      figures_.firstLetterHints += answer.cue.hints;
    }
    if (answer.correct && answer.cue.level == CueLevel::PromptOnly && answer.cue.hints == 0) {
      for (int i = 0; i < kLines; ++i) {
        if (answer.sentence == kPoem[i]) figures_.fromPrompt.insert(i);
      }
    }
  }

  std::mt19937 random_;
  dru::SentenceOrder order_;
  dru::RecallOption recall_;
  std::filesystem::path folder_;
  std::string path_;
  std::unique_ptr<dru::HistoryStore> store_;
  std::map<std::string, std::vector<WordMemory>> memory_;
  SimulatedClock clock_;
  dru::testing::FakeView view_;
  dru::Drill drill_{view_, clock_};
  Figures figures_;
};

// The mean of a figure over learners with seeds 1 to kLearners.
constexpr unsigned kLearners = 5;

template <typename Run>
double Mean(Run run) {
  double sum = 0;
  for (unsigned seed = 1; seed <= kLearners; ++seed)
    sum += run(seed);
  return sum / kLearners;
}

}  // namespace

void LearnerFigures() {
  using dru::RecallOption;
  using dru::SentenceOrder;
  std::printf("simulated learner, a %d-line poem, mean of %u learners:\n", kLines, kLearners);
  for (const auto& [order, name] : {std::pair{SentenceOrder::AtRandom, "At Random  "},
                                    {SentenceOrder::InTextOrder, "Text Order "}}) {
    const double prompt = Mean([&](unsigned seed) {
      Learner learner(order, RecallOption::FadeAsYouLearn, seed);
      learner.Sit(15);
      return static_cast<double>(learner.Result().fromPrompt.size());
    });
    const double hints = Mean([&](unsigned seed) {
      Learner learner(order, RecallOption::FirstLettersOnly, seed);
      learner.Sit(15);
      const Figures figures = learner.Result();
      return figures.firstLetterAnswers > 0 ? static_cast<double>(figures.firstLetterHints) /
                                                  static_cast<double>(figures.firstLetterAnswers)
                                            : 0.0;
    });
    const double days = Mean([&](unsigned seed) {
      Learner learner(order, RecallOption::FadeAsYouLearn, seed);
      for (int day = 0; day < 14; ++day) {
        learner.Sit(10);
        learner.NextDay();
      }
      return static_cast<double>(learner.Result().atFirstLettersOrBeyond);
    });
    std::printf(
        "  %s with Fade: %4.1f of %d lines right from the prompt alone in a first sitting of 15 "
        "minutes (aim 15); at First Letters Only %.2f hints an answer (aim at most 0.5); "
        "%4.1f of %d lines at first letters or beyond after 14 days of 10 minutes (aim 17)\n",
        name, prompt, kLines, hints, days, kLines);
  }
}
