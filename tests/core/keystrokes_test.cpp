#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "core/drill/display_texts.h"
#include "core/drill/keys.h"
#include "core/file/io_error.h"
#include "core/text/sentence_key.h"
#include "core/text/translation.h"
#include "core/text/typed_match.h"
#include "tests/support/fake_view.h"

namespace dru {
namespace {

using testing::FakeView;
using testing::FixedClock;
using Cues = std::vector<Cue>;

class Keystrokes : public ::testing::Test {
 protected:
  void SetUp() override { Open(TextEncoding::Windows1252); }

  // A file whose only record is "Next", with "Cat" on display.
  void Open(TextEncoding encoding) {
    SentenceFile file = testing::MakeFile({"Next"}, encoding);
    drill.InstallFile(file);
    drill.ShowSentence("Cat");
  }

  // Types text into the box as the window would: key press, then insert.
  void Type(const std::string& text) {
    for (char c : text) {
      drill.OnKeyPress(static_cast<unsigned char>(c));
      view.input += c;
      drill.SetTyped(view.input);
    }
  }

  // Enter with the box holding text, seconds after the first key.
  void Finish(const std::string& text, std::int32_t seconds) {
    Restart();
    Wait(seconds);
    view.Paste(drill, text);
    drill.OnKeyPress(key::kEnter);
  }

  // The first key into an empty box starts the measurement afresh.
  void Restart() {
    view.Paste(drill, "");
    drill.OnKeyPress('x');
    view.Paste(drill, "x");
    drill.OnKeyPress('y');
    view.cues.clear();
  }
  void Wait(std::int32_t seconds) {
    for (std::int32_t i = 0; i < seconds; ++i) {
      clock.milliseconds += 1000;
      drill.Tick();
    }
  }

  FakeView view;
  FixedClock clock;
  Drill drill{view, clock};
};

TEST_F(Keystrokes, CaseOfTypedTextAgainstTarget) {
  drill.SetOption(Option::CaseSensitive, false);
  Finish("cAT", 6);
  EXPECT_EQ(view.currentText, "30");
  EXPECT_EQ(view.currentBar, 30);
  EXPECT_EQ(view.bestText, "30");

  drill.ShowSentence("Cat");
  drill.SetOption(Option::CaseSensitive, true);
  Finish("cat", 6);
  EXPECT_EQ(view.currentBar, 0);
  EXPECT_EQ(view.currentText, "0");
  EXPECT_EQ(view.bestBar, 30);  // the best stays
  EXPECT_EQ(view.bestText, "30");
  EXPECT_EQ(view.target, "Next");
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(drill.PreviousSentence(), "Cat");
  EXPECT_TRUE(drill.HasPrevious());

  drill.ShowSentence("caf\xE9");  // only ASCII letters fold
  drill.SetOption(Option::CaseSensitive, false);
  Finish("CAF\xC9", 6);
  EXPECT_EQ(view.currentText, "0");
}

TEST_F(Keystrokes, Utf8FilesFoldUnicodeCaseAndCountCharacters) {
  Open(TextEncoding::Utf8);
  drill.SetOption(Option::CaseSensitive, false);
  const std::pair<const char*, const char*> matches[] = {
      {"\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"},  // Été, éTÉ
      {"Stra\xC3\x9F"
       "e",
       "STRASSE"},                                                // Straße
      {"\xD0\x9F\xD1\x80\xD0\xB8", "\xD0\xBF\xD0\xA0\xD0\x98"},   // При, пРИ
      {"cafe\xCC\x81", "CAF\xC3\x89"},                            // e and U+0301, É
      {"\xC4\xB0stanbul \xC4\xB1l\xC4\xB1k.", "istanbul ILIK."},  // İstanbul ılık.
      {"\xC4\xB1l\xC4\xB1k", "ILIK"}};  // ılık: its dotless ı alone asks for Turkic rules
  setenv("LC_ALL", "C.UTF-8", 1);
  for (const auto& [target, typed] : matches) {
    drill.ShowSentence(target);
    Finish(typed, 1);
    EXPECT_NE(view.currentText, "0") << typed;
  }
  unsetenv("LC_ALL");
  // Text that looks the same is the same, whatever the case rule; a
  // mistake in it is one character.
  drill.SetOption(Option::CaseSensitive, true);
  const std::tuple<const char*, const char*, const char*> composed[] = {
      {"cafe\xCC\x81", "caf\xC3\xA9", "correct"},
      {"caf\xC3\xA9", "cafe\xCC\x81", "correct"},
      {"Vi\xE1\xBB\x87t", "Vie\xCC\xA3\xCC\x82t", "correct"},  // Việt, decomposed
      {"cafe\xCC\x81s", "cafes", "1 mistakes"},
      // One real mistake elsewhere: the accent typed right is none.
      {"cafe\xCC\x81 noir", "caf\xC3\xA9 noit", "1 mistakes"},
  };
  for (const auto& [target, typed, status] : composed) {
    drill.ShowSentence(target);
    Finish(typed, 1);
    EXPECT_EQ(view.status, status) << typed;
  }
  // A Turkish desktop folds I to dotless ı in any sentence.
  drill.SetOption(Option::CaseSensitive, false);
  for (const char* locale : {"tr_TR.UTF-8", "C.UTF-8"}) {
    setenv("LC_ALL", locale, 1);
    drill.ShowSentence("Izmir");
    Finish("\xC4\xB1zmir", 1);  // ızmir
    unsetenv("LC_ALL");
    EXPECT_EQ(view.status, locale[0] == 't' ? "correct" : "1 mistakes") << locale;
  }
  // Six characters in twelve bytes, typed in six seconds: 60 keys a minute.
  const std::string russian = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
  drill.ShowSentence(russian);
  Finish(russian, 6);
  EXPECT_EQ(view.currentText, "60");

  // The second character starts the measurement, and every printable one
  // is typing, whatever its bytes.
  view.Paste(drill, "\xD0\x9F");
  Wait(9);
  drill.OnKeyPress(U'\u0440');
  EXPECT_EQ(drill.TypingSeconds(), 0);
  view.cues.clear();
  drill.OnKeyPress(U'\u00E9');
  drill.OnKeyPress(U'\u65E5');
  EXPECT_EQ(view.cues, (Cues{Cue::Type, Cue::Type}));
}

TEST_F(Keystrokes, EnterShowsMistakesUntilTheNextKey) {
  Finish("Cot", 6);
  EXPECT_EQ(view.status, "1 mistakes");
  EXPECT_EQ(view.spoken, "1 mistake: typed \"Cot\" expected \"Cat\". Next: Next");
  Type("x");
  EXPECT_EQ(view.status, "");
  drill.ShowSentence("Cat");
  EXPECT_EQ(view.spoken, "Cat");
  Finish("Cat", 6);
  EXPECT_EQ(view.status, "correct");
  EXPECT_EQ(view.spoken, "Correct, 30 keys per minute. Next: Next");
  drill.OnKeyPress(key::kEscape);
  EXPECT_EQ(view.status, "");
  drill.SetOption(Option::ShowMistakes, false);  // the option off: the bar stays empty
  EXPECT_EQ(view.spoken, "Show mistakes off");
  drill.ShowSentence("Cat");
  Finish("Cot", 6);
  EXPECT_EQ(view.status, "");
  EXPECT_EQ(view.spoken,
            "1 mistake: typed \"Cot\" expected \"Cat\". Next: Next");  // said all the same
  // A huge sentence is said by its start.
  const std::string huge(100000, 'h');
  drill.ShowSentence(huge);
  EXPECT_EQ(view.spoken, huge.substr(0, 1000) + "...");
  // Said in UTF-8 whatever the file's encoding: the "é" of a Windows-1252
  // file, typed wrong, and a file's name as the file system spells it.
  drill.ShowSentence("Caf\xE9");
  EXPECT_EQ(view.spoken, "Caf\xC3\xA9");
  Finish("Cafe", 6);
  EXPECT_EQ(view.spoken, "1 mistake: typed \"Cafe\" expected \"Caf\xC3\xA9\". Next: Next");
  drill.StartFile("caf\xC3\xA9.txt");
  EXPECT_EQ(view.spoken, "Opened caf\xC3\xA9.txt: 1 sentence. Next: Next");
}

// The speed is the characters over the milliseconds from the first key to
// Enter, rounded with ties to even: the same figure the history keeps.
TEST_F(Keystrokes, SpeedRoundingAndClamping) {
  struct Case {
    std::size_t length;
    std::int64_t milliseconds;
    const char* shown;
    std::int64_t bar;
  };
  const Case cases[] = {{30, 6000, "300", 300},
                        {121, 24000, "302", 302},
                        {123, 24000, "308", 308},
                        {70, 5000, "840", 600},
                        {67, 1840, "2185", 600},
                        {9, 360000, "2", 2},
                        {3, 360000, "0", 0},
                        {2, 1000, "120", 120},
                        {1, 250, "240", 240},  // one character: from its key to Enter
                        {4, 0, "0", 0}};       // no time measured
  for (const Case& c : cases) {
    const std::string text(c.length, 'w');
    drill.ShowSentence(text);
    Restart();
    clock.milliseconds += c.milliseconds;
    view.Paste(drill, text);
    drill.OnKeyPress(key::kEnter);
    EXPECT_EQ(view.currentText, c.shown) << c.length << " in " << c.milliseconds;
    EXPECT_EQ(view.currentBar, c.bar) << c.length << " in " << c.milliseconds;
    EXPECT_EQ(view.target, "Next");
  }
}

TEST_F(Keystrokes, BestSpeedIsTheBestNumberNotTheBestBar) {
  const std::pair<std::size_t, const char*> attempts[] = {
      {70, "840"},    // 70 keys in 5 s: past the end of the bar
      {150, "1800"},  // faster, though both bars stand full at 600
      {65, "1800"},   // 780 is slower
  };
  for (const auto& [keys, best] : attempts) {
    const std::string text(keys, 'k');
    drill.ShowSentence(text);
    Finish(text, 5);
    EXPECT_EQ(view.bestText, best) << keys;
    EXPECT_EQ(view.bestBar, 600) << keys;
  }
}

TEST_F(Keystrokes, SecondKeyStartsTheMeasurement) {
  Wait(42);
  Type("C");
  EXPECT_EQ(drill.TypingSeconds(), 42);
  Type("a");
  EXPECT_EQ(drill.TypingSeconds(), 0);
  Wait(7);
  Type("t");
  EXPECT_EQ(drill.TypingSeconds(), 7);
  view.Paste(drill, "C");  // a Backspace left one character
  drill.OnKeyPress(key::kBackspace);
  EXPECT_EQ(drill.TypingSeconds(), 0);
}

TEST_F(Keystrokes, CuesAndEsc) {
  Type("a ~\t\x01\x7f\xe9");
  drill.OnKeyPress(key::kBackspace);
  EXPECT_EQ(view.cues, (Cues{Cue::Type, Cue::Type, Cue::Type, Cue::Del}));
  view.cues.clear();
  drill.OnKeyPress(key::kEscape);
  EXPECT_EQ(view.input, "");
  EXPECT_EQ(view.cues, (Cues{Cue::Esc}));
  view.cues.clear();
  view.Paste(drill, "Cat");
  drill.OnKeyPress(key::kEnter);
  EXPECT_EQ(view.cues, (Cues{Cue::Enter}));
  view.cues.clear();
  for (std::uint16_t k : {32, 33, 36, 40, 41, 44, 45, 46, 47, 112})
    drill.OnKeyDown(k);
  EXPECT_EQ(view.cues, (Cues{Cue::Hepp, Cue::Hepp, Cue::Hepp, Cue::Hepp, Cue::Hepp}));

  drill.SetOption(Option::SoundEffect, false);
  view.cues.clear();
  Type("ab");
  drill.OnKeyDown(vk::kDelete);
  drill.OnKeyPress(key::kEnter);
  EXPECT_TRUE(view.cues.empty());
}

TEST_F(Keystrokes, CtrlRestoresPreviousRecordOnce) {
  Finish("Cat", 3);
  ASSERT_EQ(view.target, "Next");
  view.Paste(drill, "Ne");
  drill.OnKeyDown(vk::kControl);
  EXPECT_EQ(view.target, "Cat");
  EXPECT_EQ(view.input, "");
  view.Paste(drill, "C");
  drill.OnKeyDown(vk::kControl);  // held down: repeats change nothing
  EXPECT_EQ(view.input, "C");
  EXPECT_EQ(view.cues, (Cues{Cue::Enter, Cue::Restore}));
}

TEST_F(Keystrokes, RecallJudgesThePartBeforeATabAndFadesByTheMemoryModel) {
  std::vector<DrillAnswer> answers;
  std::vector<std::string> sentences;
  drill.SetAnswerKeeper([&](const DrillAnswer& answer) -> std::optional<KeyedReview> {
    answers.push_back(answer);
    sentences.emplace_back(answer.sentence);
    return std::nullopt;
  });
  // Shown whole, a TAB line is typed whole, as ever.
  drill.ShowSentence("Big cat\tGrosse Katze");
  EXPECT_EQ(view.spoken, "Big cat\tGrosse Katze");
  Finish("Big cat", 2);
  EXPECT_FALSE(answers.back().correct);
  EXPECT_EQ(answers.back().cue.recall, false);

  // First letters: the prompt is said, a hint is Hard, the part is typed.
  // Never answered right, it is shown whole first.
  drill.SetRecall(RecallOption::FirstLettersOnly);
  drill.ShowSentence("Big cat\tGrosse Katze");
  EXPECT_EQ(view.spoken, "Big cat Prompt: Grosse Katze");
  Finish("Big cat", 2);
  drill.ShowSentence("Big cat\tGrosse Katze");
  EXPECT_EQ(view.spoken, "B c Prompt: Grosse Katze");
  drill.Hint();
  EXPECT_EQ(view.spoken, "Hint: Big");
  Finish("Big cat", 2);
  EXPECT_TRUE(answers.back().correct);
  EXPECT_EQ(sentences.back(), "Big cat\tGrosse Katze");  // the line, for the history
  EXPECT_EQ(answers.back().cue.level, CueLevel::FirstLetters);
  EXPECT_EQ(answers.back().cue.hints, 1);

  // Fading: ten days remembered shows first letters; a wrong answer steps
  // back to every other word, a right one on again, a slip stays.
  SentenceFile file = testing::MakeFile({"Big cat\tGrosse Katze", "Next"}, TextEncoding::Utf8);
  drill.InstallFile(file);
  drill.SetReviews(SentenceReviews{{SentenceKey("Big cat\tGrosse Katze"), {1, 10.0}}});
  drill.SetRecall(RecallOption::FadeAsYouLearn);
  for (const auto& [typed, next] : {std::pair{"Bog cut", "Big blank Prompt: Grosse Katze"},
                                    {"Big cat", "B c Prompt: Grosse Katze"},
                                    {"Big cap", "B c Prompt: Grosse Katze"}}) {
    drill.ShowSentence("Big cat\tGrosse Katze");
    Finish(typed, 2);
    drill.ShowSentence("Big cat\tGrosse Katze");
    EXPECT_EQ(view.spoken, next) << typed;
  }
  // Without a history, fading goes on with the steps of this run, and
  // says so once.
  drill.SetReviewUnavailable("History is off.");
  EXPECT_EQ(view.status, "History is off. Learning steps last for this run only.");
  drill.ShowSentence("Big cat\tGrosse Katze");
  EXPECT_EQ(view.spoken, "B c Prompt: Grosse Katze");
}

// A translation in use: the drill's lines come from it, in UTF-8 beside a
// Windows-1252 file's words, with its plural forms.
class GermanCatalogue : public Catalogue {
 public:
  std::optional<std::string> Find(const char*, const char* source, const char*,
                                  int count) const override {
    const std::string text = source;
    if (text == "%n mistake(s)") return count == 1 ? "%n Fehler" : "%n Fehler (mehrere)";
    if (text == "%1: typed %2 expected %3.") return "%1: getippt %2, erw\xC3\xA4hnt %3.";
    if (text == "%1 %2Next: %3") return "%1 %2Weiter: %3";
    if (text == "Opened %1: %n sentence(s). Next: %2") {
      return count == 1 ? "%1 ge\xC3\xB6"
                          "ffnet: %n Satz. Weiter: %2"
                        : "%1 ge\xC3\xB6"
                          "ffnet: %n S\xC3\xA4tze. Weiter: %2";
    }
    if (text == "blank")
      return "L\xC3\xBC"
             "cke";
    if (bracketAll) return "[" + text + "]";
    return std::nullopt;
  }
  bool bracketAll = false;
};

TEST_F(Keystrokes, SpokenLinesComeFromTheTranslation) {
  GermanCatalogue german;
  UseCatalogue(&german);
  drill.ShowSentence("Caf\xE9");
  Finish("Cafe", 6);
  EXPECT_EQ(view.spoken,
            "1 Fehler: getippt \"Cafe\", erw\xC3\xA4hnt \"Caf\xC3\xA9\". Weiter: Next");
  drill.StartFile("caf\xC3\xA9.txt");
  EXPECT_EQ(view.spoken,
            "caf\xC3\xA9.txt ge\xC3\xB6"
            "ffnet: 1 Satz. Weiter: Next");
  // A hidden word is said in the reader's language, not read as the
  // file's Windows-1252.
  drill.SetRecall(RecallOption::HideEveryOtherWord);
  drill.ShowSentence("Big cat sat");
  Finish("Big cat sat", 6);
  drill.ShowSentence("Big cat sat");
  EXPECT_EQ(view.spoken,
            "Big L\xC3\xBC"
            "cke sat");
  // Every line the drill composes asks the translation.
  german.bracketAll = true;
  const Comparison aligned =
      CompareTexts("Cot", "Cat", TextEncoding::Windows1252, true, CaseFolding::Default);
  for (const std::string& line :
       {InfoLine(3, 1), TimeLine(0, 0, 1), CorrectLine(30), OptionLine(Option::CaseSensitive, true),
        OptionLine(Option::SoundEffect, false), MarkedLine({3, 1}), ReviewLine({2, 1}),
        IoErrorText(io_code::kDiskFull), DisplayText(kNoFileText),
        std::string(IoError::NotRegularFile("/tmp").what())}) {
    EXPECT_EQ(line.front(), '[') << line;
  }
  EXPECT_EQ(MistakesLine("Cot", "Cat", aligned, TextEncoding::Windows1252),
            "1 Fehler: getippt \"Cot\", erw\xC3\xA4hnt \"Cat\".");
  UseCatalogue(nullptr);
  EXPECT_EQ(Tr("Test", "%n day(s) and %n (s)", nullptr, 2), "2 days and 2 s");
  EXPECT_EQ(Tr("Test", "%n day(s)", nullptr, 1), "1 day");
  EXPECT_EQ(Tr("Test", "%n note(s) (is|are) kept (as written)", nullptr, 1),
            "1 note is kept (as written)");
  EXPECT_EQ(Tr("Test", "%n note(s) (is|are) kept (as written)", nullptr, 3),
            "3 notes are kept (as written)");
}

TEST_F(Keystrokes, NothingHappensWithoutFile) {
  drill.CloseFile();
  Wait(9);
  view.Paste(drill, "x");
  Type("yz");
  drill.OnKeyPress(key::kEscape);
  drill.OnKeyPress(key::kEnter);
  drill.OnKeyDown(vk::kControl);
  drill.OnKeyDown(vk::kPageUp);
  EXPECT_EQ(view.input, "xyz");
  EXPECT_EQ(view.target, "");
  EXPECT_EQ(drill.TypingSeconds(), 9);
  EXPECT_TRUE(view.cues.empty());
}

// An operation runs one way: whoever the drill calls out to (the view, the
// keeper of answers) cannot enter an operation of the drill meanwhile.
TEST_F(Keystrokes, NoOperationIsEnteredWhileAnotherRuns) {
#ifdef NDEBUG
  GTEST_SKIP() << "the guard is an assertion of debug builds";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  struct FeedingBack : testing::FakeView {
    Drill* drill = nullptr;
    void Show(const DrillSnapshot& shown) override {
      FakeView::Show(shown);
      if (drill != nullptr) drill->SetTyped("");  // as a box emptied would
    }
  };
  EXPECT_DEATH(
      {
        FeedingBack feeding;
        Drill fed(feeding, clock);
        feeding.drill = &fed;
        fed.ShowSentence("Cat");
      },
      "entered from a call out");
  drill.SetAnswerKeeper([&](const DrillAnswer& answer) -> std::optional<KeyedReview> {
    drill.ShowNotice(answer.sentence);  // any operation of the drill
    return std::nullopt;
  });
  EXPECT_DEATH(Finish("Cat", 1), "entered from a call out");
  drill.SetAnswerKeeper({});
#endif
}

// The one rule for how far typed text matches, which the marks while
// typing draw and Enter judges by: in the sentence's characters.
TEST(TypedMatch, HowFarTypedTextMatchesInTheSentencesCharacters) {
  using enum TextEncoding;
  const std::string face = "\xF0\x9F\x98\x80";  // one character, four bytes
  struct Case {
    std::string typed;
    std::string target;
    TextEncoding encoding;
    bool caseSensitive;
    std::size_t matched;
    std::size_t wrong;
    bool whole;
  };
  const Case cases[] = {
      {"Ab", "abc", Utf8, false, 2, 0, false},
      {"Ab", "abc", Utf8, true, 0, 1, false},
      {"Ax", "abc", Utf8, false, 1, 1, false},
      {"x", face + "a", Utf8, true, 0, 1, false},
      {face + "b", face + "a", Utf8, true, 1, 1, false},
      {"abcd", "abc", Utf8, true, 3, 0, false},
      {"aBc", "abc", Utf8, false, 3, 0, true},
      // A composed "é" against "e" and a combining accent: both characters.
      {"caf\xC3\xA9s", "cafe\xCC\x81s", Utf8, true, 6, 0, true},
      {"caf", "cafe\xCC\x81s", Utf8, true, 3, 0, false},
      {"cafes", "cafe\xCC\x81s", Utf8, true, 3, 2, false},
      // Straße: "s" of the "ss" that ß folds to is no mistake yet.
      {"STRAS",
       "Stra\xC3\x9F"
       "e",
       Utf8, false, 4, 0, false},
      {"STRASSE",
       "Stra\xC3\x9F"
       "e",
       Utf8, false, 6, 0, true},
      // Turkish: İ pairs with i, and I with ı.
      {"istanbul", "\xC4\xB0stanbul", Utf8, false, 8, 0, true},
      {"Istanbul", "\xC4\xB0stanbul", Utf8, false, 0, 1, false},
      // Windows-1252 ignores the case of A to Z only: É is no é.
      {"caf\xE9", "CAF\xC9", Windows1252, false, 3, 1, false},
      {"cafe", "CAFE", Windows1252, false, 4, 0, true},
  };
  for (const Case& c : cases) {
    const TypedMatch match =
        MatchTyped(c.typed, c.target, MatchRuleFor(c.target, c.encoding, c.caseSensitive));
    EXPECT_EQ(match.matched, c.matched) << c.typed << " / " << c.target;
    EXPECT_EQ(match.wrong, c.wrong) << c.typed << " / " << c.target;
    EXPECT_EQ(match.whole, c.whole) << c.typed << " / " << c.target;
  }
}

}  // namespace
}  // namespace dru
