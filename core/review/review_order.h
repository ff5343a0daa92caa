#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "core/file/record_list.h"
#include "core/recall/recall_level.h"

namespace dru {

// How many unmarked sentences are due for review, and how many were never
// answered.
struct ReviewCounts {
  std::int64_t due = 0;
  std::int64_t fresh = 0;
  friend bool operator==(const ReviewCounts&, const ReviewCounts&) = default;
};

// What the history knows of a sentence for picking: its last answer and
// the days it stays remembered. The recall probability is 90% after
// stability days and falls as the time since over stability grows, so
// that ratio alone orders sentences by recall.
struct SentenceReview {
  SentenceReview(std::int64_t last = 0, double days = 0, std::optional<CueLevel> step = {},
                 bool right = false)
      : lastTimeMs(last), stability(days), stepToday(step), answeredRight(right) {}
  std::int64_t lastTimeMs = 0;  // UTC
  double stability = 0;         // days
  // Its learning step after today's answers (none: not answered today),
  // and whether it was ever answered right.
  std::optional<CueLevel> stepToday;
  bool answeredRight = false;
  friend bool operator==(const SentenceReview&, const SentenceReview&) = default;
};

struct KeyedReview {
  std::int64_t key = 0;  // SentenceKey
  SentenceReview review;
};
// Best sorted by key, as the history gives them; sorted here otherwise.
using SentenceReviews = std::vector<KeyedReview>;

// The order of review: a sentence answered wrong in this run comes back
// after three others (fewer in a smaller pool) until answered right; then
// sentences due (recall below 90%), least likely recalled first; then new
// ones at random; then, with nothing due or new, the least likely recalled.
// Only unmarked records are picked.
class ReviewOrder {
 public:
  static constexpr int kOthersBeforeRetry = 3;

  // The open file's lines and what the history knows of them.
  void Load(const RecordList& lines, SentenceReviews reviews);
  // The same in two steps, so that the reviews can be read meanwhile: the
  // lines' keys first, then the reviews matched to them.
  void PrepareLines(const RecordList& lines);
  void AttachReviews(SentenceReviews reviews);
  void Clear();
  bool Loaded() const noexcept { return loaded_; }
  // A sentence's state after an answer was kept.
  void Update(std::int64_t key, const SentenceReview& review);
  // An Enter judged in this run, with the pool's size then.
  void Answered(std::int64_t key, bool correct, std::size_t pooled);

  // The line to show next, or none when the pool is empty. lastKey is the
  // sentence just answered, picked again only when it is the only one;
  // randomIndex(n) draws one of n new sentences.
  std::optional<std::size_t> Pick(const RecordList& lines, std::int64_t nowMs,
                                  std::optional<std::int64_t> lastKey,
                                  const std::function<std::size_t(std::size_t)>& randomIndex);
  // Due counts a sentence answered wrong in this run until it is answered
  // right.
  ReviewCounts Count(const RecordList& lines, std::int64_t nowMs) const;
  // True while the sentence answered wrong in this run waits for its retry.
  bool AwaitsRetry(std::int64_t key) const;
  // What the history knows of a sentence; none when it was never answered.
  std::optional<SentenceReview> ReviewOf(std::int64_t key) const;
  // The line of the sentence answered last; none when none was.
  std::optional<std::size_t> LastAnsweredLine() const;

 private:
  // Time since the last answer over stability: above 1 the sentence is due.
  double Overdue(std::size_t line, std::int64_t nowMs) const;

  struct Retry {
    std::int64_t key = 0;
    int othersLeft = 0;
  };
  bool loaded_ = false;
  std::vector<std::int64_t> keys_;                     // per line, of its text without a mark
  std::vector<std::optional<SentenceReview>> review_;  // per line; none: never answered
  std::vector<Retry> retries_;
  std::vector<std::pair<std::int64_t, std::size_t>> byKey_;  // key, line; until attached
};

}  // namespace dru
