#include "core/text/mistakes.h"

#include <gtest/gtest.h>

#include <string>

namespace dru {
namespace {

// The alignment in one line: '=' same, 'w' wrong, 'm' missing, 'x' extra.
std::string Shape(const Comparison& comparison) {
  std::string shape;
  for (const Step& step : comparison.steps) {
    shape += "=wmx"[static_cast<int>(step.kind)];
  }
  return shape;
}

TEST(CompareTexts, AlignsCharacterByCharacter) {
  struct Case {
    const char* typed;
    const char* expected;
    bool caseSensitive;
    TextEncoding encoding;
    const char* shape;
    std::size_t prefix;
  };
  const Case cases[] = {
      {"Hello", "Hello", true, TextEncoding::Windows1252, "=====", 5},
      {"Hallo", "Hello", true, TextEncoding::Windows1252, "=w===", 1},
      {"Helo", "Hello", true, TextEncoding::Windows1252, "===m=", 3},
      {"Helllo", "Hello", true, TextEncoding::Windows1252, "====x=", 4},
      {"hello", "Hello", true, TextEncoding::Windows1252, "w====", 0},
      {"hello", "Hello", false, TextEncoding::Windows1252, "=====", 5},
      {"caf\xC9", "caf\xE9", false, TextEncoding::Windows1252, "===w", 3},  // only A-Z fold
      {"caf\xC3\x89", "caf\xC3\xA9", false, TextEncoding::Utf8, "====", 4},
      {"\xD0\xB4\xD0\xB0", "\xD0\xB4\xD0\xB8", true, TextEncoding::Utf8, "=w", 1},
      {"", "abc", true, TextEncoding::Windows1252, "mmm", 0},
      {"abc", "", true, TextEncoding::Windows1252, "xxx", 0},
      {"G", "Gdzie", false, TextEncoding::Utf8, "=mmmm", 1},  // typed ends first
      {"Gdzie", "G", false, TextEncoding::Utf8, "=xxxx", 1},
      {"kixled", "killed", true, TextEncoding::Windows1252, "==w===", 2},  // one wrong letter
      {"kiled", "killed", true, TextEncoding::Windows1252, "===m==", 3},
  };
  for (const Case& c : cases) {
    const Comparison result = CompareTexts(c.typed, c.expected, c.encoding, c.caseSensitive);
    const std::string shape = Shape(result);
    EXPECT_TRUE(result.aligned) << c.typed;
    EXPECT_EQ(shape, c.shape) << c.typed << " / " << c.expected;
    EXPECT_EQ(result.commonPrefix, c.prefix) << c.typed;
    std::size_t mistakes = 0;
    for (char s : shape)
      mistakes += s != '=';
    EXPECT_EQ(result.mistakes, mistakes) << c.typed;
  }
  // The steps say where each character lies in the two texts.
  const std::string typed = "\xD0\xB4\xD0\xB0";
  const std::string expected = "\xD0\xB4\xD0\xB8";
  const Comparison wrong = CompareTexts(typed, expected, TextEncoding::Utf8, true);
  ASSERT_EQ(wrong.steps.size(), 2u);
  EXPECT_EQ(wrong.steps[1].typed.In(typed), "\xD0\xB0");
  EXPECT_EQ(wrong.steps[1].expected.In(expected), "\xD0\xB8");
}

TEST(CompareTexts, HugeOrUnlikeTextsOnlyFindTheFirstDifference) {
  std::string big(50u << 20, 'a');
  std::string other = big;
  other[123456] = 'b';
  const Comparison huge = CompareTexts(big, other, TextEncoding::Windows1252, true);
  EXPECT_FALSE(huge.aligned);
  EXPECT_TRUE(huge.steps.empty());
  EXPECT_EQ(huge.commonPrefix, 123456u);
  const Comparison unlike =
      CompareTexts(std::string(1000, 'a'), std::string(1000, 'b'), TextEncoding::Windows1252, true);
  EXPECT_FALSE(unlike.aligned);
  EXPECT_EQ(unlike.commonPrefix, 0u);
}

}  // namespace
}  // namespace dru
