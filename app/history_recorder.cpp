// Answers into the history, and the history's faults out of the drill's way.
#include "history_recorder.h"

#include <cstdio>

namespace dru {

HistoryRecorder::HistoryRecorder(Drill& drill, const Commands& commands, DrillView& view,
                                 const Clock& clock, std::string path)
    : drill_(drill), commands_(commands), view_(view), clock_(clock), path_(std::move(path)) {
  drill_.SetAnswerListener([this](const DrillAnswer& answer) { Record(answer); });
}

HistoryRecorder::~HistoryRecorder() {
  drill_.SetAnswerListener({});
}

void HistoryRecorder::Record(const DrillAnswer& answer) {
  if (off_) return;
  try {
    if (!store_) {
      store_ = HistoryStore::Open(path_);
      if (!store_->MovedAside().empty()) {
        view_.ShowNotice("The history was damaged; it was moved aside as " + store_->MovedAside() +
                         " and a new one started.");
      }
      if (store_->ReadOnly()) {
        TurnOff(path_ + " was written by a newer dru and is only read");
        return;
      }
    }
    const std::string& file = commands_.CurrentFile().path;
    const std::int64_t now = clock_.UtcMilliseconds();
    if (session_ == 0 || file != sessionFile_) {
      EndSession();
      session_ = store_->StartSession(file, now);
      sessionFile_ = file;
    }
    AnswerRecord record;
    record.timeMs = now;
    record.file = file;
    record.sentence = answer.sentence;
    record.correct = answer.correct;
    record.typingMs = answer.typingMs;
    record.keys = answer.keys;
    record.mistakes = answer.mistakes;
    record.caseSensitive = answer.caseSensitive;
    store_->Record(record);
  } catch (const std::exception& error) {
    TurnOff(error.what());
  }
}

void HistoryRecorder::TurnOff(const std::string& reason) {
  off_ = true;
  view_.ShowNotice("History is off: " + reason + ".");
}

void HistoryRecorder::EndSession() noexcept {
  if (!store_ || session_ == 0) return;
  try {
    const DrillSnapshot clock = drill_.Snapshot();
    store_->EndSession(session_, clock_.UtcMilliseconds(),
                       clock.hours * 3600LL + clock.minutes * 60LL + clock.seconds);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "dru: the history's session was not closed: %s\n", error.what());
  }
  session_ = 0;
}

}  // namespace dru
