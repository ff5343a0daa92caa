#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drill/clock.h"
#include "core/drill/cue.h"
#include "core/drill/drill_snapshot.h"
#include "core/drill/drill_state.h"
#include "core/drill/drill_view.h"
#include "core/drill/mark_undo.h"
#include "core/file/sentence_file.h"
#include "core/review/answer_grade.h"
#include "core/review/review_order.h"
#include "core/text/translation.h"

namespace dru {

// One judged Enter, for whoever keeps a history of answers.
struct DrillAnswer {
  std::string_view sentence;  // as it was shown
  bool correct = false;
  std::int64_t typingMs = 0;  // from the first key to Enter
  std::int64_t keys = 0;      // characters typed
  std::int64_t mistakes = 0;  // -1: too long or too unlike to count
  bool caseSensitive = true;
  AnswerCue cue;      // typed from memory: its level, Recall on, hints
  bool slip = false;  // wrong by a typo (IsSlip)
};

// The drill: the open file's lists and marks, the sentence on display,
// the options, speeds and clock. It alone changes its state, through the
// operations below, and shows each change through the view.
class Drill {
 public:
  Drill(DrillView& view, const Clock& clock) : view_(view), clock_(clock) {}

  // What the drill holds.
  bool HasOpenFile() const noexcept { return state_.fileOpen; }
  bool HasPrevious() const noexcept { return state_.previousAllowed; }
  bool Modified() const noexcept { return state_.modified; }
  const DrillOptions& Options() const noexcept { return state_.options; }
  // The options as the user chose them, to be remembered: Review Due
  // Sentences stays chosen while a missing history keeps it off.
  DrillOptions ChosenOptions() const noexcept {
    DrillOptions options = state_.options;
    options.order = state_.orderWanted;
    return options;
  }
  TextEncoding Encoding() const noexcept { return state_.encoding; }
  const std::string& Target() const noexcept { return state_.target; }
  const std::string& PreviousSentence() const noexcept { return state_.previous; }
  const RecordList& FileLines() const noexcept { return state_.marks.Lines(); }
  const RecordList& UnmarkedList() const noexcept { return state_.marks.Pool(); }
  std::int32_t RecordCount() const noexcept { return state_.marks.RecordCount(); }
  std::int32_t TypingSeconds() const noexcept { return state_.typingSeconds; }
  DrillSnapshot Snapshot() const;

  // The state of a fresh start: no file, no previous record, clock at zero,
  // nothing typed.
  void ResetForStartUp();
  // The options as the settings give them; no cue.
  void SetOptions(const DrillOptions& options);
  // One option switched by its menu item; switching Show Mistakes off
  // clears the status line.
  void SetOption(Option option, bool on);
  // Options › Recall: the sentence on display is shown anew at its level.
  void SetRecall(RecallOption option);
  // Options › Order: Review Due Sentences needs the history and stays off
  // without it; In Text Order goes on from the sentence on display.
  void SetOrder(SentenceOrder order);
  // What the history knows is wanted: the states for review order and
  // fading, today's steps and the last line answered.
  bool NeedsReviews() const noexcept;
  // Edit › Hint: shows the next hidden word of the cue and says it.
  void Hint();
  // Edit › Say Again: the sentence to be heard, once more.
  void SayAgain();
  // The sentence on display is to be heard (Listen and Type).
  bool Listening() const noexcept;
  // The level Recall shows sentence at next, from its stability (none:
  // never answered); none while Recall is off.
  std::optional<CueLevel> NextLevel(std::string_view sentence,
                                    std::optional<double> stability) const;

  // Makes the lines of a file that was read the open file: its lists, the
  // record count, the information line, and the flags of an unchanged open
  // file. The format and stamp stay in file for the caller.
  void InstallFile(SentenceFile& file);
  // Takes only the lines of a file that is not opened, so that a following
  // Close saves them under its name.
  void TakeLines(SentenceFile& file);
  // Back to "no file": lists, target, current speed, information line and
  // flags; the input box is disabled with its text kept.
  void CloseFile();
  void FreeLists() noexcept;
  // The lists were written to the file: nothing is unsaved or undoable.
  void Saved();

  // Mark Ready: marks the sentence on display and shows the next one. With
  // only that sentence left unmarked nothing is marked and it returns
  // false; the caller may then start over with ClearAllMarks.
  bool MarkReady();
  // Marks the first unmarked record equal to target, or, when none is,
  // the first equal to it with letter case ignored.
  void MarkRecord(std::string_view target);
  // Both remember how to undo themselves, under the command's name.
  void ClearAllMarks(std::string_view command = DRU_TR_NOOP("Command", "Clear All Marks"));
  // Undoes the newest mark or clearing since the file was loaded or saved:
  // the lines, the pool, the count and the information line come back, and
  // Modified is set. False when there is nothing to undo.
  bool Undo();

  // Picking: a random record of list, or "" when no file is open.
  std::string GetRandomStr(const RecordList& list) const;
  // Shows a sentence picked from the pool.
  void ShowNextSentence();

  // The open file's sentences as the history knows them, for review
  // order, the learning steps and where text order goes on.
  void SetReviews(SentenceReviews reviews);
  // The same, with the reviews read by read on another thread while the
  // drill works out the keys of its lines; read's exception is rethrown.
  void SetReviews(const std::function<SentenceReviews()>& read);
  // There is no history to review by: Review Due Sentences goes off and
  // cannot be chosen; reason says why. "" makes it possible again.
  void SetReviewUnavailable(std::string reason);
  // The history went off: notice on the status line, and review
  // unavailable for that reason, shown once.
  void HistoryTurnedOff(std::string notice);
  // Shows text as the sentence to type.
  void ShowSentence(std::string_view text);
  // A file was opened: the first sentence, in an empty input box that takes
  // keys, with nothing to restore. With the file's name, a screen reader
  // hears "Opened NAME: 30 sentences. Next: …".
  void StartFile(std::string_view name = {});
  // Brings back the sentence shown before the current one, once, unless
  // Mark Ready or Open blocked it (HasPrevious).
  void RestorePrevious();

  // Keystrokes of the input box and the one-second tick.
  // keyChar is the character typed: a byte in a Windows-1252 file, a code
  // point in a UTF-8 file.
  void OnKeyPress(char32_t keyChar);
  void OnKeyDown(std::uint16_t virtualKey);
  void Tick();
  // True while sentence, answered wrong in this run, waits in review order
  // for its retry.
  bool AwaitsRetry(std::string_view sentence) const;

  // Plays a cue while sound effects are on.
  void Play(Cue cue);
  // What the input box holds now, in Encoding: the box tells each change.
  void SetTyped(std::string text);
  const std::string& Typed() const noexcept { return state_.typed; }
  // A word about the program itself on the status line, until the next key.
  void ShowNotice(std::string_view text);
  // The speech service is missing or failed: the status line says reason
  // once, and the speech options say why they are off. "" when it works.
  void SetSpeechUnavailable(std::string reason);
  // Before start-up reads a file: the information line names it instead
  // of saying that no file is open; "" when none will be read.
  void ShowReading(std::string_view name);

  // Who keeps the answers: keep is handed each judged Enter once the drill
  // has finished judging it, and returns the sentence's state after it for
  // the review order (none when nothing was kept); the next sentence is
  // picked from there; keep may not call an operation of the drill. shown
  // is called once the next sentence is shown and the operation is over.
  using AnswerKeeper = std::function<std::optional<KeyedReview>(const DrillAnswer&)>;
  void SetAnswerKeeper(AnswerKeeper keep, std::function<void()> shown = {}) {
    keepAnswer_ = std::move(keep);
    answerShown_ = std::move(shown);
  }

 private:
  // Judges the Enter and shows the next sentence; true when it was an
  // answer (the box held text).
  bool CompleteRecord();
  // The next sentence: in review order, in text order, or at random.
  // lastKey: the sentence just answered.
  std::string PickNext(std::optional<std::int64_t> lastKey = std::nullopt);
  // The next unmarked line after the one on display, from the top after
  // the last; "" when every line is marked.
  std::string NextInTextOrder();
  // The local midnight that starts today, to which the learning steps
  // belong.
  std::int64_t Today() const;
  std::size_t RandomIndex(std::size_t count) const;
  bool Reviewing() const noexcept {
    return state_.options.order == SentenceOrder::ReviewDue && reviewOrder_.Loaded();
  }
  void CountReviews();
  // Puts text on display and has a screen reader say it; the caller shows.
  void PutSentence(std::string_view text);
  // The cue of the sentence on display at its level, or none without
  // Recall; the caller shows.
  void BuildCue();
  // The text that Enter judges: the part to type of a cue, else the target.
  std::string_view TextToType() const noexcept;
  void Say(std::string_view words);
  // Has the speech service say sentence aloud; the caller shows.
  void SayAloud(std::string_view sentence);
  // The sentence on display as a screen reader says it.
  std::string SpokenSentence() const;
  // The same after a new one came: with fading's step when it changed.
  std::string NextSpoken() const;
  void ShowCounts();
  void Refresh();
  void ForgetUndo() noexcept { state_.marks.ForgetUndo(); }
  // Empties the input box; the caller shows.
  void ClearInput();
  // Empties the status line; true when it said something. The caller shows.
  bool ClearStatus();
  void SetStatus(StatusReport status);
  // SetReviewUnavailable's change of state; the caller shows.
  void MakeReviewUnavailable(std::string reason);
  // Fading without a history: the status line says once that the steps
  // last for this run only.
  void SayStepsForThisRun();

  // While the drill calls out (the view, whoever keeps the answers), none
  // of its operations may be entered: an operation runs one way, to its
  // end. Checked by assertion in debug builds.
  class CallingOut {
   public:
    explicit CallingOut(const Drill& drill) : drill_(drill) { drill_.callingOut_ = true; }
    ~CallingOut() { drill_.callingOut_ = false; }
    CallingOut(const CallingOut&) = delete;
    CallingOut& operator=(const CallingOut&) = delete;

   private:
    const Drill& drill_;
  };
  void Entered() const noexcept;

  ReviewOrder reviewOrder_;

  DrillView& view_;
  const Clock& clock_;
  DrillState state_;
  AnswerKeeper keepAnswer_;
  std::function<void()> answerShown_;
  mutable bool callingOut_ = false;
  // The local day Today last found, [from, to).
  struct Day {
    std::int64_t from = 0;
    std::int64_t to = 0;
  };
  mutable Day today_;
};

}  // namespace dru
