// Picking by the memory model's states: retries, due, new, then ahead.
#include "core/review/review_order.h"

#include <algorithm>
#include <limits>

#include "core/file/sentence_file.h"
#include "core/review/memory_model.h"
#include "core/text/sentence_key.h"

namespace dru {
namespace {

std::string_view Unmarked(std::string_view line) noexcept {
  if (IsMarked(line)) line.remove_prefix(1);
  return line;
}

}  // namespace

void ReviewOrder::Load(const RecordList& lines, SentenceReviews reviews) {
  PrepareLines(lines);
  AttachReviews(std::move(reviews));
}

void ReviewOrder::PrepareLines(const RecordList& lines) {
  keys_.resize(lines.Count());
  review_.assign(lines.Count(), std::nullopt);
  byKey_.resize(lines.Count());
  for (std::size_t i = 0; i < lines.Count(); ++i) {
    keys_[i] = SentenceKey(Unmarked(lines.Get(i)));
    byKey_[i] = {keys_[i], i};
  }
  // The lines sorted by key, walked along the reviews in key order: far
  // fewer cache misses than looking each line up in a table.
  std::sort(byKey_.begin(), byKey_.end());
  retries_.clear();
  loaded_ = false;
}

void ReviewOrder::AttachReviews(SentenceReviews reviews) {
  const auto byKey = [](const KeyedReview& a, const KeyedReview& b) { return a.key < b.key; };
  if (!std::is_sorted(reviews.begin(), reviews.end(), byKey)) {
    std::sort(reviews.begin(), reviews.end(), byKey);
  }
  auto review = reviews.begin();
  for (const auto& [key, line] : byKey_) {
    while (review != reviews.end() && review->key < key)
      ++review;
    if (review == reviews.end()) break;
    if (review->key == key) review_[line] = review->review;
  }
  byKey_ = {};
  loaded_ = true;
}

void ReviewOrder::Clear() {
  keys_.clear();
  review_.clear();
  retries_.clear();
  loaded_ = false;
}

void ReviewOrder::Update(std::int64_t key, const SentenceReview& review) {
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (keys_[i] == key) review_[i] = review;
  }
}

void ReviewOrder::Answered(std::int64_t key, bool correct, std::size_t pooled) {
  std::erase_if(retries_, [key](const Retry& retry) { return retry.key == key; });
  if (correct) return;
  const std::size_t others = pooled > 0 ? pooled - 1 : 0;
  retries_.push_back({key, static_cast<int>(std::min<std::size_t>(kOthersBeforeRetry, others))});
}

bool ReviewOrder::AwaitsRetry(std::int64_t key) const {
  return std::any_of(retries_.begin(), retries_.end(),
                     [key](const Retry& retry) { return retry.key == key; });
}

std::optional<SentenceReview> ReviewOrder::ReviewOf(std::int64_t key) const {
  const auto line = std::find(keys_.begin(), keys_.end(), key);
  if (line == keys_.end()) return std::nullopt;
  return review_[static_cast<std::size_t>(line - keys_.begin())];
}

std::optional<std::size_t> ReviewOrder::LastAnsweredLine() const {
  std::optional<std::size_t> last;
  for (std::size_t i = 0; i < review_.size(); ++i) {
    if (review_[i] && (!last || review_[i]->lastTimeMs > review_[*last]->lastTimeMs)) last = i;
  }
  return last;
}

double ReviewOrder::Overdue(std::size_t line, std::int64_t nowMs) const {
  const SentenceReview& review = *review_[line];
  const double days = ElapsedDays(review.lastTimeMs, nowMs);
  return days / std::max(review.stability, 0.001);
}

std::optional<std::size_t> ReviewOrder::Pick(
    const RecordList& lines, std::int64_t nowMs, std::optional<std::int64_t> lastKey,
    const std::function<std::size_t(std::size_t)>& randomIndex) {
  if (keys_.size() != lines.Count()) return std::nullopt;
  std::optional<std::size_t> picked;
  // A retry whose turn has come, if its sentence is still unmarked.
  for (auto retry = retries_.begin(); retry != retries_.end() && !picked;) {
    if (retry->othersLeft > 0) {
      ++retry;
      continue;
    }
    for (std::size_t i = 0; i < keys_.size() && !picked; ++i) {
      if (keys_[i] == retry->key && IsPooled(lines.Get(i))) picked = i;
    }
    if (!picked) {
      retry = retries_.erase(retry);
    } else {
      ++retry;
    }
  }
  if (!picked) {
    std::optional<std::size_t> mostOverdue;
    double most = -1;
    std::optional<std::size_t> last;
    // A sentence waiting for its retry comes back by its turn alone: just
    // answered wrong, it is due at once by the memory model too.
    std::optional<std::size_t> soonestRetry;
    int soonest = std::numeric_limits<int>::max();
    std::vector<std::size_t> fresh;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
      if (!IsPooled(lines.Get(i))) continue;
      const auto retry = std::find_if(retries_.begin(), retries_.end(),
                                      [&](const Retry& r) { return r.key == keys_[i]; });
      if (keys_[i] == lastKey) {
        last = i;
      } else if (retry != retries_.end()) {
        if (retry->othersLeft < soonest) {
          soonest = retry->othersLeft;
          soonestRetry = i;
        }
      } else if (!review_[i]) {
        fresh.push_back(i);
      } else if (const double overdue = Overdue(i, nowMs); overdue > most) {
        most = overdue;
        mostOverdue = i;
      }
    }
    if (mostOverdue && most > 1.0) {
      picked = mostOverdue;
    } else if (!fresh.empty()) {
      picked = fresh[randomIndex(fresh.size())];
    } else {
      picked = mostOverdue ? mostOverdue : soonestRetry ? soonestRetry : last;
    }
  }
  if (picked) {
    for (Retry& retry : retries_) {
      if (retry.key != keys_[*picked]) --retry.othersLeft;
    }
  }
  return picked;
}

ReviewCounts ReviewOrder::Count(const RecordList& lines, std::int64_t nowMs) const {
  ReviewCounts counts;
  if (keys_.size() != lines.Count()) return counts;
  for (std::size_t i = 0; i < keys_.size(); ++i) {
    if (!IsPooled(lines.Get(i))) continue;
    if (!review_[i]) {
      ++counts.fresh;
    } else if (Overdue(i, nowMs) > 1.0 || AwaitsRetry(keys_[i])) {
      ++counts.due;
    }
  }
  return counts;
}

}  // namespace dru
