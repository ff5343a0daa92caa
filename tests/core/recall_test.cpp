// Typing from memory: words, cues, prompts, hints and the fading levels.
#include <gtest/gtest.h>

#include "core/recall/recall_cue.h"
#include "core/recall/recall_session.h"

namespace dru {
namespace {

std::vector<std::string> Words(std::string_view text, TextEncoding encoding) {
  std::vector<std::string> words;
  for (const WordSpan& word : FindWords(text, encoding))
    words.emplace_back(text.substr(word.begin, word.end - word.begin));
  return words;
}

TEST(RecallWords, SplitByUnicodeRulesInEveryScript) {
  using V = std::vector<std::string>;
  const std::tuple<const char*, TextEncoding, V> cases[] = {
      {"The quick brown fox.", TextEncoding::Utf8, V{"The", "quick", "brown", "fox"}},
      {"Don't stop, it's 3.5 km!", TextEncoding::Utf8, V{"Don't", "stop", "it's", "3.5", "km"}},
      {"Grüße aus Köln, sagt Jürgen.", TextEncoding::Utf8,
       V{"Grüße", "aus", "Köln", "sagt", "Jürgen"}},
      {"\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d \xd7\xa2\xd7\x95\xd7\x9c\xd7\x9d.", TextEncoding::Utf8,
       V{"\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d", "\xd7\xa2\xd7\x95\xd7\x9c\xd7\x9d"}},  // Hebrew
      // 我喜欢学习中文: split by ICU's dictionary, not one word.
      {"\xe6\x88\x91\xe5\x96\x9c\xe6\xac\xa2\xe5\xad\xa6\xe4\xb9\xa0\xe4\xb8\xad\xe6\x96\x87\xe3"
       "\x80\x82",
       TextEncoding::Utf8,
       V{"\xe6\x88\x91", "\xe5\x96\x9c\xe6\xac\xa2", "\xe5\xad\xa6\xe4\xb9\xa0",
         "\xe4\xb8\xad\xe6\x96\x87"}},
      // Windows-1252 bytes: ü and ß are letters, the dash is none.
      {"Gr\xfc\xdf"
       "e \x96 sch\xf6n",
       TextEncoding::Windows1252,
       V{"Gr\xfc\xdf"
         "e",
         "sch\xf6n"}},
  };
  for (const auto& [text, encoding, expected] : cases)
    EXPECT_EQ(Words(text, encoding), expected) << text;
}

TEST(RecallCue, ShowsEachLevelAndRevealsWhatIsTypedRight) {
  const char* fox = "The quick brown fox jumps over the lazy dog.";
  const std::tuple<const char*, CueLevel, std::size_t, const char*> cases[] = {
      {fox, CueLevel::WholeSentence, 0, "The quick brown fox jumps over the lazy dog."},
      {fox, CueLevel::EveryOtherWord, 0, "The _____ brown ___ jumps ____ the ____ dog."},
      {fox, CueLevel::FirstLetters, 0, "T q b f j o t l d."},
      {fox, CueLevel::PromptOnly, 0, "The quick \xe2\x80\xa6"},
      // Typed right so far: "The qu".
      {fox, CueLevel::EveryOtherWord, 6, "The qu___ brown ___ jumps ____ the ____ dog."},
      {fox, CueLevel::FirstLetters, 6, "The qu b f j o t l d."},
      {fox, CueLevel::PromptOnly, 16, "The quick brown \xe2\x80\xa6"},
      {fox, CueLevel::FirstLetters, 44, "The quick brown fox jumps over the lazy dog."},
      // One '_' a character, beyond ASCII too.
      {"Ich bin m\xc3\xbc"
       "de.",
       CueLevel::EveryOtherWord, 0,
       "Ich ___ m\xc3\xbc"
       "de."},
      // A prompt: the part before the TAB; Prompt Only shows nothing of it.
      {"Ich bin m\xc3\xbc"
       "de.\tI am tired.",
       CueLevel::PromptOnly, 0, "\xe2\x80\xa6"},
      {"Ich bin m\xc3\xbc"
       "de.\tI am tired.",
       CueLevel::FirstLetters, 0, "I b m."},
      // A first letter is a whole grapheme: "e" with a combining accent.
      {"e\xcc\x81t\xc3\xa9 chaud", CueLevel::FirstLetters, 0, "e\xcc\x81 c"},
  };
  for (const auto& [line, level, matched, shown] : cases) {
    const RecallCue cue(line, level, TextEncoding::Utf8);
    EXPECT_EQ(cue.Shown(matched), shown) << line << " at " << matched;
  }
  const RecallCue prompted(
      "Ich bin m\xc3\xbc"
      "de.\tI am tired.\tand more",
      CueLevel::EveryOtherWord, TextEncoding::Utf8);
  EXPECT_EQ(prompted.Part(),
            "Ich bin m\xc3\xbc"
            "de.");
  EXPECT_EQ(prompted.Prompt(), "I am tired.\tand more");
  EXPECT_EQ(RecallCue("Hello\tthere", CueLevel::WholeSentence, TextEncoding::Utf8).Shown(0),
            "Hello");
  // Windows-1252: one byte a character, and its own ellipsis.
  EXPECT_EQ(RecallCue("Gr\xfc\xdf"
                      "e dich",
                      CueLevel::PromptOnly, TextEncoding::Windows1252)
                .Shown(0, 100),
            "Gr\xfc\xdf"
            "e dich");
  EXPECT_EQ(RecallCue("Ein Gr\xfc\xdf"
                      "e dich",
                      CueLevel::EveryOtherWord, TextEncoding::Windows1252)
                .Shown(0),
            "Ein _____ dich");
}

TEST(RecallCue, SpeaksHiddenWordsAsBlankAndHintsTheNextOne) {
  RecallCue cue("The quick brown fox jumps.", CueLevel::EveryOtherWord, TextEncoding::Utf8);
  EXPECT_EQ(cue.Spoken(0), "The blank brown blank jumps.");
  EXPECT_EQ(cue.Hint(0), "quick");
  EXPECT_EQ(cue.Shown(0), "The quick brown ___ jumps.");
  EXPECT_EQ(cue.Hint(0), "fox");
  EXPECT_EQ(cue.Hint(0), "");  // nothing hidden is left
  EXPECT_EQ(cue.Hints(), 2);
  // Past the typed-right characters only.
  RecallCue letters("One two three", CueLevel::FirstLetters, TextEncoding::Utf8);
  EXPECT_EQ(letters.Hint(4), "two");
  EXPECT_EQ(letters.Shown(4), "One two t");
  EXPECT_EQ(letters.Spoken(0), "O two t");
  EXPECT_EQ(RecallCue("Hello there", CueLevel::WholeSentence, TextEncoding::Utf8).Hint(0), "");
}

TEST(RecallLevel, StartsTheDayByStabilityAndStepsWithEachAnswer) {
  const std::tuple<std::optional<double>, CueLevel> starts[] = {
      {std::nullopt, CueLevel::WholeSentence},
      {0.5, CueLevel::WholeSentence},
      {1.0, CueLevel::EveryOtherWord},
      {6.9, CueLevel::EveryOtherWord},
      {7.0, CueLevel::FirstLetters},
      {29.9, CueLevel::FirstLetters},
      {30.0, CueLevel::PromptOnly},
      {400.0, CueLevel::PromptOnly},
  };
  for (const auto& [stability, level] : starts)
    EXPECT_EQ(FadeLevel(stability), level) << stability.value_or(-1);
  // A slip (a typo) and a hint keep the step; a wrong answer lowers it.
  using R = AnswerResult;
  using L = CueLevel;
  const std::tuple<L, R, L> steps[] = {
      {L::WholeSentence, R::Right, L::EveryOtherWord},
      {L::FirstLetters, R::Right, L::PromptOnly},
      {L::PromptOnly, R::Right, L::PromptOnly},
      {L::FirstLetters, R::RightWithHint, L::FirstLetters},
      {L::FirstLetters, R::Slip, L::FirstLetters},
      {L::FirstLetters, R::Wrong, L::EveryOtherWord},
      {L::WholeSentence, R::Wrong, L::WholeSentence},
  };
  for (const auto& [shown, result, next] : steps)
    EXPECT_EQ(StepAfter(shown, result), next) << int(shown) << " " << int(result);
  EXPECT_EQ(ResultOf(false, 0, true), R::Slip);
  EXPECT_EQ(ResultOf(true, 2, false), R::RightWithHint);

  // Today's steps win over stability; the next day starts from it again.
  // The fixed levels show a sentence whole until it was answered right.
  RecallSession session;
  const std::int64_t today = 1000;
  const auto fade = [&](std::int64_t day) {
    return session.LevelOf(RecallOption::FadeAsYouLearn, 7, 10.0, day);
  };
  EXPECT_EQ(fade(today), L::FirstLetters);
  EXPECT_EQ(session.LevelOf(RecallOption::PromptOnly, 7, 10.0, today), L::WholeSentence);
  session.Answered(7, L::FirstLetters, R::Right, today);
  EXPECT_EQ(fade(today), L::PromptOnly);
  EXPECT_EQ(session.LevelOf(RecallOption::PromptOnly, 7, 10.0, today), L::PromptOnly);
  session.Answered(7, L::PromptOnly, R::Wrong, today);
  EXPECT_EQ(fade(today), L::FirstLetters);
  EXPECT_EQ(fade(today + 1), L::FirstLetters);  // from stability, and the steps are gone
  session.Remember(8, L::EveryOtherWord, false, today + 1);
  EXPECT_EQ(session.LevelOf(RecallOption::FadeAsYouLearn, 8, std::nullopt, today + 1),
            L::EveryOtherWord);
  EXPECT_EQ(session.LevelOf(RecallOption::FirstLettersOnly, 8, 3.0, today + 1), L::WholeSentence);
}

}  // namespace
}  // namespace dru
