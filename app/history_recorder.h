#pragma once

#include <memory>
#include <string>

#include "commands.h"
#include "drill.h"
#include "history_store.h"

namespace dru {

// Keeps each judged Enter in the history, with the open file and the time.
// The store is opened at the first answer, not at start-up. A fault never
// stops the drill: the history is off from then on, and the status line
// says why, once.
class HistoryRecorder {
 public:
  HistoryRecorder(Drill& drill, const Commands& commands, DrillView& view, const Clock& clock,
                  std::string path);
  ~HistoryRecorder();

  // The end of the drill on the open file: its session is closed with the
  // drill's clock.
  void EndSession() noexcept;

 private:
  void Record(const DrillAnswer& answer);
  void TurnOff(const std::string& reason);

  Drill& drill_;
  const Commands& commands_;
  DrillView& view_;
  const Clock& clock_;
  std::string path_;
  std::unique_ptr<HistoryStore> store_;
  bool off_ = false;
  std::int64_t session_ = 0;
  std::string sessionFile_;
};

}  // namespace dru
