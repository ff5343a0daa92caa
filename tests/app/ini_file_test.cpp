#include <gtest/gtest.h>

#include "app/ini_file.h"
#include "app/language.h"

#include <map>

namespace dru {
namespace {

TEST(IniFile, ReadsNamesWithoutCaseAndValuesTrimmedAndUnquoted) {
  const IniFile ini(
      "; a comment\r\n"
      "[ options ]\r\n"
      "  SOUNDEFFECT =  0  \r\n"
      "soundeffect=1\r\n"
      "Quoted=\"  spaced \"\r\n"
      "Single='x'\r\n"
      "Half=\"open\r\n"
      "[Files]\r\n"
      "LastOpenFile=C:\\data\\my file.dat\r\n"
      "Empty=\r\n");
  EXPECT_EQ(ini.Read("Options", "SoundEffect"), "0");  // the first match wins
  EXPECT_EQ(ini.Read("OPTIONS", "quoted"), "  spaced ");
  EXPECT_EQ(ini.Read("Options", "Single"), "x");
  EXPECT_EQ(ini.Read("Options", "Half"), "\"open");
  EXPECT_EQ(ini.Read("files", "lastopenfile"), "C:\\data\\my file.dat");  // no escapes
  EXPECT_EQ(ini.Read("Files", "Empty"), "");
  EXPECT_EQ(ini.Read("Files", "SoundEffect"), std::nullopt);
  EXPECT_EQ(ini.Read("Other", "Key"), std::nullopt);
  const IniFile longValue("[S]\nK=" + std::string(3000, 'v') + "\n");
  EXPECT_EQ(longValue.Read("S", "K")->size(), 2047u);
  const IniFile withNul(std::string("[S]\nK=1 \0CaseSensitive=0\n", 26));
  EXPECT_EQ(withNul.Read("S", "K"), "1");  // a NUL ends the value
}

TEST(IniFile, WritingKeepsEveryOtherLine) {
  const std::string original =
      "; written by hand\r\n"
      "[Window]\r\n"
      "Left=10\r\n"
      "\r\n"
      "[options]\r\n"
      "# keep me\r\n"
      "soundEFFECT = 1\r\n"
      "Volume='7'\r\n"
      "\r\n"
      "[Tail]\r\n"
      "x=y";
  IniFile ini(original);
  ini.Write("Files", "LastOpenFile", "/home/u/a b.dat");
  ini.Write("Options", "SoundEffect", "0");
  ini.Write("Options", "CaseSensitive", "1");
  EXPECT_EQ(ini.Text(),
            "; written by hand\r\n"
            "[Window]\r\n"
            "Left=10\r\n"
            "\r\n"
            "[options]\r\n"
            "# keep me\r\n"
            "SoundEffect=0\r\n"
            "Volume='7'\r\n"
            "CaseSensitive=1\r\n"
            "\r\n"
            "[Tail]\r\n"
            "x=y\r\n"
            "\r\n"
            "[Files]\r\n"
            "LastOpenFile=/home/u/a b.dat\r\n");
  EXPECT_EQ(IniFile(ini.Text()).Read("files", "LASTOPENFILE"), "/home/u/a b.dat");
}

TEST(IniFile, NewFileLayout) {
  IniFile ini;
  ini.Write("Files", "LastOpenFile", "Default.dat");
  ini.Write("Options", "SoundEffect", "1");
  ini.Write("Options", "CaseSensitive", "1");
  EXPECT_EQ(ini.Text(),
            "[Files]\nLastOpenFile=Default.dat\n\n[Options]\nSoundEffect=1\nCaseSensitive=1\n");
}

TEST(ReadFlag, NumbersInTheirForms) {
  const std::pair<const char*, bool> falseWhenDefaultTrue[] = {
      {"0", false},         {"0x0", false},       {"$0", false},         {"x0", false},
      {"X0", false},        {"0X0", false},       {"-0", false},         {"  0", false},
      {"+0", false},        {"1", true},          {"2", true},           {"-1", true},
      {"0xFFFFFFFF", true}, {"2147483647", true}, {"-2147483648", true},
  };
  for (const auto& [text, expected] : falseWhenDefaultTrue) {
    EXPECT_EQ(ReadFlag(std::string(text), true), expected) << text;
    EXPECT_EQ(ReadFlag(std::string(text), false), expected) << text;
  }
  const char* fallbacks[] = {"",     "yes", "true",       "1x",          "-$1", "0x",
                             "$",    "x",   "2147483648", "-2147483649", "+-1", "0x100000000",
                             "0x-1", "1 2", "\t",         "0b1",         "1.0"};
  for (const char* text : fallbacks) {
    EXPECT_TRUE(ReadFlag(std::string(text), true)) << text;
    EXPECT_FALSE(ReadFlag(std::string(text), false)) << text;
  }
  EXPECT_TRUE(ReadFlag(std::nullopt, true));
  EXPECT_FALSE(ReadFlag(std::nullopt, false));
}

// The interface language from the environment, as on any Linux desktop.
TEST(WantedLanguages, FollowTheEnvironmentAndStopAtEnglish) {
  struct Case {
    std::map<std::string, std::string> environment;
    std::vector<std::string> wanted;
  };
  const Case cases[] = {
      {{}, {}},
      {{{"LANG", "de_DE.UTF-8"}}, {"de_DE"}},
      {{{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "fr_FR@euro"}}, {"fr_FR"}},
      {{{"LC_ALL", "pl_PL.UTF-8"}, {"LC_MESSAGES", "fr_FR"}}, {"pl_PL"}},
      {{{"LANGUAGE", "he:es"}, {"LANG", "de_DE.UTF-8"}}, {"he", "es", "de_DE"}},
      {{{"LANGUAGE", "es::fr"}, {"LANG", ""}}, {"es", "fr"}},
      // English, C or POSIX ask for the texts as written.
      {{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, {}},
      {{{"LANGUAGE", "fr"}, {"LC_ALL", "C"}}, {"fr"}},
      {{{"LC_ALL", "C.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {}},
      {{{"LANG", "POSIX"}}, {}},
      // Nothing that could make a path: such names are passed over.
      {{{"LANGUAGE", "de/../../tmp/x:fr x:" + std::string(40, 'a') + ":pl"}}, {"pl"}},
  };
  for (const Case& test : cases) {
    static const std::map<std::string, std::string>* environment;
    environment = &test.environment;
    const auto lookUp = [](const char* name) -> char* {
      const auto found = environment->find(name);
      return found == environment->end() ? nullptr : const_cast<char*>(found->second.c_str());
    };
    EXPECT_EQ(WantedLanguages(lookUp), test.wanted) << test.environment.size();
  }
}

}  // namespace
}  // namespace dru
