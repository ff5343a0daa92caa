#pragma once

#include <cstdint>
#include <iterator>

#include "core/text/translation.h"

namespace dru {

// Options › Order: how the next sentence is picked. Stored as dru.ini's
// Order, 0 to 2.
enum class SentenceOrder : std::uint8_t {
  AtRandom,     // the drill as it always was
  ReviewDue,    // by the memory model: due first, then new
  InTextOrder,  // line after line, as a text is learned
};
inline constexpr int kSentenceOrders = 3;

// Each order of Options › Order, in one table: its dru.ini value (its
// place here), the menu item's object name and label, and its name as a
// screen reader says it.
struct SentenceOrderFacts {
  SentenceOrder order;
  const char* objectName;
  const char* menuLabel;   // context "Menu"
  const char* spokenName;  // context "Drill"
};
inline constexpr SentenceOrderFacts kSentenceOrderTable[] = {
    {SentenceOrder::AtRandom, "OrderRandom1", DRU_TR_NOOP("Menu", "At &Random"),
     DRU_TR_NOOP("Drill", "At Random")},
    {SentenceOrder::ReviewDue, "ReviewDue1", DRU_TR_NOOP("Menu", "&Review Due Sentences"),
     DRU_TR_NOOP("Drill", "Review Due Sentences")},
    {SentenceOrder::InTextOrder, "OrderText1", DRU_TR_NOOP("Menu", "In &Text Order"),
     DRU_TR_NOOP("Drill", "In Text Order")},
};
static_assert(std::size(kSentenceOrderTable) == kSentenceOrders);
static_assert(
    [] {
      for (int i = 0; i < kSentenceOrders; ++i) {
        if (static_cast<int>(kSentenceOrderTable[i].order) != i) return false;
      }
      return true;
    }(),
    "each order stands at its own place, its dru.ini value");
inline const SentenceOrderFacts& FactsOf(SentenceOrder order) noexcept {
  return kSentenceOrderTable[static_cast<int>(order)];
}

}  // namespace dru
