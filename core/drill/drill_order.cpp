// Picking the next sentence: at random, in review order, in text order.
#include "core/drill/drill.h"
#include "core/file/sentence_file.h"

namespace dru {

void Drill::SetOrder(SentenceOrder order) {
  Entered();
  if (order == SentenceOrder::ReviewDue && !state_.reviewUnavailable.empty()) return;
  state_.options.order = state_.orderWanted = order;
  if (!NeedsReviews()) reviewOrder_.Clear();
  // Text order goes on from the sentence on display.
  state_.textLine.reset();
  if (order == SentenceOrder::InTextOrder && state_.fileOpen) {
    const std::ptrdiff_t line = state_.marks.Lines().Find(state_.target);
    if (line >= 0) state_.textLine = static_cast<std::size_t>(line);
  }
  CountReviews();
  Say(Args(Tr("Drill", "Order: %1."), {Tr("Drill", FactsOf(order).spokenName)}));
  Refresh();
}

std::size_t Drill::RandomIndex(std::size_t count) const {
  // Reseeded from the millisecond clock before every draw, then advanced once.
  const TimeOfDay now = clock_.NowUtc();
  std::uint32_t seed = ((now.hour * 60u + now.minute) * 60u + now.second) * 1000u + now.millisecond;
  seed = seed * 134775813u + 1u;
  return static_cast<std::size_t>(
      (static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(seed)) >> 32);
}

std::string Drill::GetRandomStr(const RecordList& list) const {
  if (!state_.fileOpen || list.Count() == 0) return {};
  return std::string(list.Get(RandomIndex(list.Count())));
}

std::string Drill::PickNext(std::optional<std::int64_t> lastKey) {
  if (state_.options.order == SentenceOrder::InTextOrder && state_.fileOpen) {
    return NextInTextOrder();
  }
  if (Reviewing() && state_.fileOpen) {
    const std::optional<std::size_t> line =
        reviewOrder_.Pick(state_.marks.Lines(), clock_.UtcMilliseconds(), lastKey,
                          [this](std::size_t count) { return RandomIndex(count); });
    if (line) return std::string(state_.marks.Lines().Get(*line));
  }
  return GetRandomStr(state_.marks.Pool());
}

std::string Drill::NextInTextOrder() {
  const RecordList& lines = state_.marks.Lines();
  const std::size_t count = lines.Count();
  const std::size_t from = state_.textLine ? *state_.textLine + 1 : 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t line = (from + i) % count;
    if (IsPooled(lines.Get(line))) {
      state_.textLine = line;
      return std::string(lines.Get(line));
    }
  }
  return {};
}

}  // namespace dru
