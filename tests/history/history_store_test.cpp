// The history on real SQLite files in temporary folders.
#include "history/history_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <tuple>

#include "core/review/review_model.h"
#include "history/history_backup.h"
#include "history/sqlite_history_store.h"
#include "tests/support/temp_dir.h"
#include "tests/support/unprivileged.h"

namespace dru {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

AnswerRecord Answer(const std::string& sentence, bool correct, std::int64_t timeMs) {
  AnswerRecord answer;
  answer.timeMs = timeMs;
  answer.file = "/home/me/phrases.txt";
  answer.sentence = sentence;
  answer.correct = correct;
  answer.typingMs = 4200;
  answer.keys = static_cast<std::int64_t>(sentence.size());
  answer.mistakes = correct ? 0 : 2;
  return answer;
}

// A number that PRAGMA name gives on the file at path.
std::int64_t PragmaOf(const std::string& path, const std::string& name) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, ("PRAGMA " + name).c_str(), -1, &statement, nullptr);
  const std::int64_t value =
      sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return value;
}

// Runs sql on the file at path as another program would.
void Sql(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
  sqlite3_close(db);
}

TEST(HistoryStore, AnswersComeBackAfterReopeningInAPrivateFile) {
  TempDir dir;
  const std::string path = dir.File("data/dru/history.sqlite3");
  {
    auto store = HistoryStore::Open(path);
    const std::int64_t session = store->StartSession("/home/me/phrases.txt", 1000);
    store->Record(Answer("Hello world", true, 1000));
    store->Record(Answer("Hello world", false, 2000));
    store->Record(Answer("Caf\xC3\xA9 \"au\" lait", true, 3000));
    const std::string huge(100000, 'h');  // kept once, by its start
    store->Record(Answer(huge, true, 3001));
    store->Record(Answer(huge + "x", true, 3002));
    store->EndSession(session, 4000, 65);
  }
  auto store = HistoryStore::Open(path);
  const auto sentences = store->Sentences("/home/me/phrases.txt");
  ASSERT_EQ(sentences.size(), 4u);
  EXPECT_EQ(sentences[2].sentence, std::string(kKeptBytes, 'h'));
  EXPECT_EQ(sentences[2].key, SentenceKey(std::string(100000, 'h')));
  EXPECT_EQ(sentences[2].typed, 1);
  EXPECT_EQ(sentences[0].sentence, "Hello world");
  EXPECT_EQ(sentences[0].typed, 2);
  EXPECT_EQ(sentences[0].correct, 1);
  EXPECT_EQ(sentences[0].lastTimeMs, 2000);
  EXPECT_EQ(sentences[1].sentence, "Caf\xC3\xA9 \"au\" lait");
  EXPECT_TRUE(store->Sentences("/elsewhere.txt").empty());
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  ASSERT_EQ(stat(dir.File("data/dru").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  // A history, its journals and its folder opened to others by hand are
  // made private again.
  store.reset();
  chmod(dir.File("data/dru").c_str(), 0755);
  chmod(path.c_str(), 0644);
  store = HistoryStore::Open(path);
  store->Record(Answer("again", true, 3000));
  for (const char* file : {"", "-wal", "-shm"}) {
    ASSERT_EQ(stat((path + file).c_str(), &info), 0) << file;
    EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
  }
  ASSERT_EQ(stat(dir.File("data/dru").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(HistoryStore, DaysGiveMedianAndBestSpeedAndForgettingEmptiesAFile) {
  setenv("TZ", "UTC", 1);
  TempDir dir;
  auto store = HistoryStore::Open(dir.File("history.sqlite3"));
  const std::int64_t first = 1796119200000;  // 2026-12-01 10:00 UTC
  const std::int64_t third = 1796288400000;  // 2026-12-03 09:00 UTC
  for (const auto& [typingMs, correct, time] : {std::tuple{6000, true, first},
                                                {3000, true, first + 1},
                                                {2000, true, first + 2},
                                                {1000, false, first + 3},
                                                {4000, true, third}}) {
    AnswerRecord answer = Answer("Sixty keys", correct, time);
    answer.keys = 60;
    answer.typingMs = typingMs;
    store->Record(answer);
  }
  const auto days = store->Days("/home/me/phrases.txt", 0);
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days[0].day, "2026-12-01");
  EXPECT_EQ(days[0].answers, 4);
  EXPECT_EQ(days[0].correct, 3);
  EXPECT_EQ(days[0].medianSpeed, 1200);  // 600, 1200 and 1800 keys a minute
  EXPECT_EQ(days[0].bestSpeed, 1800);
  EXPECT_EQ(days[1].medianSpeed, 900);
  const auto recent = store->Days("/home/me/phrases.txt", third);
  ASSERT_EQ(recent.size(), 2u);
  EXPECT_EQ(recent[0].medianSpeed, 0);  // not asked for
  EXPECT_EQ(recent[0].bestSpeed, 1800);
  EXPECT_EQ(recent[1].medianSpeed, 900);
  store->Forget("/home/me/phrases.txt");
  EXPECT_TRUE(store->Days("/home/me/phrases.txt", 0).empty());
  EXPECT_TRUE(store->Sentences("/home/me/phrases.txt").empty());
}

TEST(HistoryStore, OlderFilesMigrateNewerOnesAreOnlyRead) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  HistoryStore::Open(path)->Record(Answer("one", true, 1));
  EXPECT_EQ(HistoryStore::Open(path)->Sentences("/home/me/phrases.txt").size(), 1u);

  // A file as the first version wrote it: its totals are made from its
  // answers.
  const std::string first = dir.File("first.sqlite3");
  Sql(first,
      "CREATE TABLE files (id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE);"
      "CREATE TABLE sentences (id INTEGER PRIMARY KEY, file INTEGER NOT NULL, key INTEGER NOT "
      "NULL, text BLOB NOT NULL, UNIQUE (file, key));"
      "CREATE TABLE answers (time INTEGER NOT NULL, sentence INTEGER NOT NULL, correct INTEGER "
      "NOT NULL, typing_ms INTEGER NOT NULL, keys INTEGER NOT NULL, mistakes INTEGER NOT NULL, "
      "case_sensitive INTEGER NOT NULL);"
      "CREATE INDEX answers_by_sentence ON answers (sentence, time);"
      "CREATE TABLE sessions (id INTEGER PRIMARY KEY, file INTEGER NOT NULL, started INTEGER "
      "NOT NULL, ended INTEGER, drill_seconds INTEGER);"
      "INSERT INTO files VALUES (1, CAST('/home/me/phrases.txt' AS BLOB));"
      "INSERT INTO sentences VALUES (1, 1, " +
          std::to_string(SentenceKey("one")) +
          ", CAST('one' AS BLOB));"
          "INSERT INTO answers VALUES (1000, 1, 1, 6000, 60, 0, 1), (2000, 1, 0, 1000, 9, 3, 1);"
          "PRAGMA user_version = 1");
  auto migrated = HistoryStore::Open(first);
  const auto sentences = migrated->Sentences("/home/me/phrases.txt");
  ASSERT_EQ(sentences.size(), 1u);
  EXPECT_EQ(sentences[0].typed, 2);
  EXPECT_EQ(sentences[0].correct, 1);
  EXPECT_EQ(sentences[0].bestSpeed, 600);
  EXPECT_EQ(sentences[0].lastTimeMs, 2000);
  EXPECT_EQ(migrated->Days("/home/me/phrases.txt", 0).at(0).answers, 2);
  // The memory model replays them: Good, then Again within the day.
  EXPECT_NEAR(migrated->Review("/home/me/phrases.txt", SentenceKey("one"))->review.stability,
              0.7750839828558983, 1e-9);
  migrated.reset();
  EXPECT_EQ(PragmaOf(first, "application_id"), SqliteHistoryStore::kApplicationId);

  Sql(path, "PRAGMA user_version = 99");  // written by a newer dru
  const std::string before = ReadBytes(path);
  auto newer = HistoryStore::Open(path);
  EXPECT_TRUE(newer->ReadOnly());
  newer->Record(Answer("two", true, 2));
  EXPECT_EQ(newer->Sentences("/home/me/phrases.txt").size(), 1u);
  newer.reset();
  EXPECT_EQ(ReadBytes(path), before);
}

TEST(HistoryStore, ReviewsFollowEachAnswerAndAreRebuiltFromThemAlone) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  auto store = HistoryStore::Open(path);
  constexpr std::int64_t kDay = 86'400'000;
  const std::int64_t start = 1796119200000;
  // Good, Good three days later, Again a week after, Good an hour later.
  for (const auto& [correct, time] : {std::pair{true, start},
                                      {true, start + 3 * kDay},
                                      {false, start + 10 * kDay},
                                      {true, start + 10 * kDay + kDay / 24}}) {
    store->Record(Answer("Hello world", correct, time));
  }
  store->Record(Answer("Other", true, start));
  auto check = [&](const HistoryStore& history) {
    const auto review = history.Review("/home/me/phrases.txt", SentenceKey("Hello world"));
    ASSERT_TRUE(review.has_value());
    EXPECT_NEAR(review->review.stability, 1.6438451729666652, 1e-9);
    EXPECT_EQ(review->review.lastTimeMs, start + 10 * kDay + kDay / 24);
    std::vector<std::int64_t> keys;
    history.Reviews("/home/me/phrases.txt",
                    [&](const KeyedReview& each) { keys.push_back(each.key); });
    EXPECT_EQ(keys.size(), 2u);
    EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
    EXPECT_FALSE(history.Review("/home/me/phrases.txt", SentenceKey("never typed")));
  };
  check(*store);
  Sql(path, "UPDATE sentences SET stability = 99; DELETE FROM speeds");
  store = HistoryStore::Open(path);
  static_cast<SqliteHistoryStore&>(*store).RebuildReviews();
  check(*store);

  // Ten answers at 600 keys a minute make speeds to grade by: a slow one
  // is Hard, which grows the stability less than Good.
  for (int i = 0; i < 10; ++i) {
    AnswerRecord answer = Answer("Ten keys..", true, start + i);
    answer.typingMs = 1000;
    store->Record(answer);
  }
  AnswerRecord slow = Answer("Slow one..", true, start);
  slow.typingMs = 2000;  // 300 keys a minute
  store->Record(slow);
  slow.timeMs = start + 3 * kDay;
  store->Record(slow);
  EXPECT_NEAR(store->Review("/home/me/phrases.txt", SentenceKey("Slow one.."))->review.stability,
              review::Next(review::First(Grade::Hard), 3, Grade::Hard).stability, 1e-9);
  // Typed from memory at 600 a minute: Good at first letters, Hard with a
  // hint; the same after the states are rebuilt from the answers.
  AnswerRecord recalled = Answer("Ten keys..", true, start + 20 * kDay);
  recalled.typingMs = 1000;
  recalled.sentence = "Recalled..";
  recalled.cue = {CueLevel::FirstLetters, true, 0};
  store->Record(recalled);
  recalled.sentence = "Hinted....";
  recalled.cue.hints = 1;
  store->Record(recalled);
  // A slip, one character in ten: Hard, not Again; the steps of its day
  // follow it (kept where they stood), and its grade is kept.
  AnswerRecord slip = Answer("Slipped...", false, start + 20 * kDay);
  slip.mistakes = 1;
  slip.slip = true;
  slip.cue = {CueLevel::FirstLetters, true, 0};
  store->Record(slip);
  const auto stability = [&](const char* sentence) {
    return store->Review("/home/me/phrases.txt", SentenceKey(sentence))->review.stability;
  };
  // Passes: as kept, rebuilt, and rebuilt from answers kept before grades.
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_NEAR(stability("Recalled.."), review::First(Grade::Good).stability, 1e-9) << pass;
    EXPECT_NEAR(stability("Hinted...."), review::First(Grade::Hard).stability, 1e-9) << pass;
    EXPECT_NEAR(stability("Slipped..."), review::First(Grade::Hard).stability, 1e-9) << pass;
    if (pass == 1) Sql(path, "UPDATE answers SET grade = 0");
    static_cast<SqliteHistoryStore&>(*store).RebuildReviews();
  }
  std::map<std::int64_t, SentenceReview> today;
  store->Reviews("/home/me/phrases.txt",
                 [&](const KeyedReview& each) { today[each.key] = each.review; },
                 {start + 20 * kDay, start + 21 * kDay});
  EXPECT_EQ(today[SentenceKey("Slipped...")].stepToday, CueLevel::FirstLetters);
  EXPECT_FALSE(today[SentenceKey("Slipped...")].answeredRight);
  EXPECT_EQ(today[SentenceKey("Recalled..")].stepToday, CueLevel::PromptOnly);
  EXPECT_EQ(today[SentenceKey("Hinted....")].stepToday, CueLevel::FirstLetters);
  EXPECT_EQ(today[SentenceKey("Slow one..")].stepToday, std::nullopt);  // not answered that day
  EXPECT_TRUE(today[SentenceKey("Slow one..")].answeredRight);
  // The steps by day are counted once and then only the new answers; all
  // again when one comes dated before those counted (a clock set back).
  const auto steps = [](const HistoryStore& history) {
    std::vector<DayHistory> days = history.Days("/home/me/phrases.txt", 0);
    history.CountSteps("/home/me/phrases.txt", days);
    std::vector<std::pair<std::array<std::int64_t, kLearningSteps>, std::int64_t>> counted;
    for (const DayHistory& day : days)
      counted.emplace_back(day.atStep, day.learned);
    return counted;
  };
  steps(*store);
  store->Record(recalled);
  store->Record(Answer("Earlier...", true, start - kDay));
  EXPECT_EQ(steps(*store), steps(*HistoryStore::Open(path)));
  EXPECT_EQ(steps(*store).front().first, (std::array<std::int64_t, kLearningSteps>{0, 1, 0, 0}));
  for (const SentenceHistory& sentence : store->Sentences("/home/me/phrases.txt")) {
    if (sentence.sentence == "Slipped...") {
      EXPECT_EQ(sentence.lastGrade, Grade::Hard);
    }
  }
}

// The states kept as answers come equal those worked out again from the
// answers alone: every grade, right answers too quick to time (speed 0),
// and answers on the same day.
TEST(HistoryStore, StatesKeptLiveEqualThoseWorkedOutAgain) {
  constexpr std::int64_t kHour = 3'600'000;
  TempDir dir;
  auto store = HistoryStore::Open(dir.File("history.sqlite3"));
  auto typed = [](const std::string& sentence, bool correct, std::int64_t keys,
                  std::int64_t typingMs, std::int64_t timeMs) {
    AnswerRecord answer = Answer(sentence, correct, timeMs);
    answer.keys = keys;
    answer.typingMs = typingMs;
    return answer;
  };
  std::int64_t time = 0;
  // Ten at 100 keys a minute, and ten right answers whose speed rounds to 0:
  // only the first ten make the median of their length.
  for (int i = 0; i < 10; ++i) {
    store->Record(typed("hundred " + std::to_string(i), true, 10, 6000, time += kHour));
    store->Record(typed("slow " + std::to_string(i), true, 1, 200'000, time += kHour));
  }
  // Again, Hard, Good and Easy against that median, each again the same day
  // and days later.
  const std::pair<const char*, std::int64_t> grades[] = {
      {"again", 0}, {"hard", 8571}, {"good", 5455}, {"easy", 3000}};
  for (int round = 0; round < 3; ++round) {
    for (const auto& [sentence, typingMs] : grades)
      store->Record(
          typed(sentence, typingMs > 0, 10, typingMs, time += round == 1 ? kHour : 50 * kHour));
  }
  auto states = [&] {
    std::vector<std::pair<std::int64_t, double>> all;
    store->Reviews("/home/me/phrases.txt", [&](const KeyedReview& review) {
      all.emplace_back(review.key, review.review.stability);
    });
    return all;
  };
  const auto live = states();
  ASSERT_EQ(live.size(), 24u);
  static_cast<SqliteHistoryStore&>(*store).RebuildReviews();
  EXPECT_EQ(states(), live);
}

// Another program's database (a user's notes, say) at the history's path.
TEST(HistoryStore, AnotherProgramsDatabaseIsLeftByteForByte) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  for (const std::string notes :
       {"CREATE TABLE notes (x); INSERT INTO notes VALUES (1)",
        "PRAGMA application_id = 7; CREATE TABLE files (x)", "PRAGMA application_id = 7"}) {
    fs::remove(path);
    Sql(path, notes);
    const std::string before = ReadBytes(path);
    try {
      HistoryStore::Open(path);
      ADD_FAILURE() << "opened " << notes;
    } catch (const HistoryError& error) {
      EXPECT_EQ(std::string(error.what()).rfind(path + " is another program's database", 0), 0u)
          << error.what();
    }
    EXPECT_EQ(ReadBytes(path), before) << notes;
  }
  // Left by a program that was killed: a WAL database with its -wal and
  // -shm, and a rollback one with a hot journal. Recovering either would
  // change the other program's files.
  for (const std::string crashed :
       {"PRAGMA journal_mode = WAL; CREATE TABLE notes (x); INSERT INTO notes VALUES (1)",
        "PRAGMA cache_size = 1; CREATE TABLE notes (x); INSERT INTO notes "
        "SELECT zeroblob(2000) FROM (WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
        "FROM n WHERE i < 200) SELECT i FROM n); BEGIN; UPDATE notes SET x = zeroblob(3000)"}) {
    for (const char* file : {"", "-wal", "-shm", "-journal"})
      fs::remove(path + file);
    testing::RunInChild([] { return std::string(); },
                        [&]() -> std::string {
                          sqlite3* db = nullptr;
                          sqlite3_open(path.c_str(), &db);
                          sqlite3_exec(db, crashed.c_str(), nullptr, nullptr, nullptr);
                          _exit(0);  // killed: nothing closed, nothing checkpointed
                        });
    std::vector<std::string> before;
    for (const char* file : {"", "-wal", "-shm", "-journal"})
      before.push_back(fs::exists(path + file) ? ReadBytes(path + file) : "(none)");
    ASSERT_NE(before[1] + before[3], "(none)(none)") << crashed;
    EXPECT_THROW(HistoryStore::Open(path), HistoryError) << crashed;
    for (const char* file : {"", "-wal", "-shm", "-journal"}) {
      EXPECT_TRUE((fs::exists(path + file) ? ReadBytes(path + file) : "(none)") == before.front())
          << crashed << file;
      before.erase(before.begin());
    }
  }
  // A history of the dru before the mark: recognised by its tables.
  for (const char* file : {"-wal", "-shm", "-journal"})
    fs::remove(path + file);
  fs::remove(path);
  HistoryStore::Open(path)->Record(Answer("one", true, 1));
  Sql(path, "PRAGMA application_id = 0");
  EXPECT_EQ(HistoryStore::Open(path)->Sentences("/home/me/phrases.txt").size(), 1u);
  EXPECT_EQ(PragmaOf(path, "application_id"), SqliteHistoryStore::kApplicationId);
}

TEST(HistoryStore, ADamagedFileIsMovedAsideWithItsJournalAndANewOneStarted) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  WriteBytes(path, std::string(4096, 'x'));
  WriteBytes(path + "-wal", "the last answers");
  auto store = HistoryStore::Open(path);
  ASSERT_FALSE(store->MovedAside().empty());
  EXPECT_EQ(ReadBytes(store->MovedAside()), std::string(4096, 'x'));
  EXPECT_EQ(ReadBytes(store->MovedAside() + "-wal"), "the last answers");
  EXPECT_NE(store->MovedAside().find("history.sqlite3.corrupt-"), std::string::npos);
  store->Record(Answer("fresh", true, 1));
  EXPECT_EQ(store->Sentences("/home/me/phrases.txt").size(), 1u);
}

TEST(HistoryStore, BackupsAreWholeOneADayAndTheNewestThreeKept) {
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  auto store = HistoryStore::Open(path);  // open, its last answers only in the journal
  store->Record(Answer("one", true, 1));
  store->Record(Answer("two", true, 2));
  for (const char* old : {"2026-11-30", "2026-12-01", "2026-12-05"})
    WriteBytes(path + ".backup-" + old, old);
  WriteBytes(path + ".backup-mine", "a copy of the user's own");
  WriteBytes(path + ".backup-2026-12-08.partial", "killed half-way");

  const std::string backup = BackUpHistory(path, "2026-12-08");
  EXPECT_EQ(backup, path + ".backup-2026-12-08");
  struct stat info {};
  ASSERT_EQ(stat(backup.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(BackUpHistory(path, "2026-12-08"), "");  // one a day
  EXPECT_EQ(HistoryStore::Open(backup)->Sentences("/home/me/phrases.txt").size(), 2u);
  EXPECT_EQ(HistoryBackups(path), (std::vector<std::string>{path + ".backup-2026-12-01",
                                                            path + ".backup-2026-12-05", backup}));
  EXPECT_FALSE(fs::exists(backup + ".partial"));
  EXPECT_EQ(ReadBytes(path + ".backup-mine"), "a copy of the user's own");
  EXPECT_TRUE(TakeBackupNotice(path).ahead.empty());

  // Backups dated ahead (a clock that ran fast) are neither counted nor
  // deleted, and the next start hears of them once.
  for (const char* ahead : {"2029-01-01", "9999-12-31"})
    WriteBytes(path + ".backup-" + ahead, ahead);
  EXPECT_EQ(BackUpHistory(path, "2026-12-09"), path + ".backup-2026-12-09");
  EXPECT_EQ(
      HistoryBackups(path),
      (std::vector<std::string>{path + ".backup-2026-12-05", backup, path + ".backup-2026-12-09",
                                path + ".backup-2029-01-01", path + ".backup-9999-12-31"}));
  EXPECT_EQ(TakeBackupNotice(path).ahead,
            (std::vector<std::string>{path + ".backup-2029-01-01", path + ".backup-9999-12-31"}));
  EXPECT_TRUE(TakeBackupNotice(path).ahead.empty());

  // A history damaged inside (its header whole) makes no backup, pushes no
  // whole one out, and the next start hears which are whole.
  store.reset();
  const std::string whole = ReadBytes(path);
  const std::size_t pages = whole.size() / 4096;
  ASSERT_GE(pages, 3u);
  WriteBytes(path, whole.substr(0, 4096) + std::string(4096, '\x5a') + whole.substr(8192));
  fs::remove(path + "-wal");
  EXPECT_THROW(BackUpHistory(path, "2026-12-10"), HistoryError);
  EXPECT_FALSE(fs::exists(path + ".backup-2026-12-10"));
  EXPECT_EQ(HistoryBackups(path).size(), 5u);
  const BackupNotice notice = TakeBackupNotice(path);
  EXPECT_FALSE(notice.damage.empty());
  EXPECT_EQ(notice.good, (std::vector<std::string>{backup, path + ".backup-2026-12-09"}));
  for (const auto& entry : fs::directory_iterator(dir.Path()))
    EXPECT_EQ(entry.path().string().find(".partial"), std::string::npos) << entry.path();
}

// What is kept in memory follows what was written: a failed answer leaves
// no speed behind, and a clock set back no time going backwards.
TEST(HistoryStore, FailedWritesAndEarlierTimesKeepTheStateRight) {
  constexpr std::int64_t kDay = 86'400'000;
  TempDir dir;
  const std::string path = dir.File("history.sqlite3");
  auto store = HistoryStore::Open(path);
  auto timed = [](const std::string& sentence, std::int64_t typingMs, std::int64_t timeMs) {
    AnswerRecord answer = Answer(sentence, true, timeMs);
    answer.keys = 10;
    answer.typingMs = typingMs;
    return answer;
  };
  // Ten speeds of ten keys: 100 and 200 keys a minute, 150 their median.
  for (int i = 0; i < 10; ++i)
    store->Record(timed("speed " + std::to_string(i), i < 5 ? 6000 : 3000, i));
  Sql(path,
      "CREATE TRIGGER planted BEFORE INSERT ON days BEGIN SELECT RAISE(ABORT, 'planted'); END");
  EXPECT_THROW(store->Record(timed("fast", 600, kDay)), HistoryError);  // 1000 a minute
  Sql(path, "DROP TRIGGER planted");
  // 190 a minute: Easy against 150, but only Good against the 200 that the
  // failed answer would have made the median.
  store->Record(timed("graded", 3158, 2 * kDay));
  EXPECT_NEAR(store->Review("/home/me/phrases.txt", SentenceKey("graded"))->review.stability,
              review::First(Grade::Easy).stability, 1e-9);

  // An answer timed before the last one kept (the clock was set back):
  // no time passed.
  store->Record(Answer("late", false, 10 * kDay));
  store->Record(Answer("late", false, 5 * kDay));
  const auto review = store->Review("/home/me/phrases.txt", SentenceKey("late"));
  EXPECT_EQ(review->review.lastTimeMs, 10 * kDay);
  EXPECT_NEAR(review->review.stability,
              review::Next(review::First(Grade::Again), 0, Grade::Again).stability, 1e-9);
}

TEST(HistoryStore, UnwritableFolderAndFullDiskAreReported) {
  TempDir dir;
  const std::string outcome = testing::RunUnprivileged([&]() -> std::string {
    TempDir home;
    chmod(home.Path().c_str(), 0500);
    try {
      HistoryStore::Open(home.File("dru/history.sqlite3"));
      return "opened in a read-only folder";
    } catch (const HistoryError& error) {
      if (std::string(error.what()).find("Permission denied") == std::string::npos) {
        return error.what();
      }
    }
    return "";
  });
  EXPECT_EQ(outcome, "");

  const std::string path = dir.File("history.sqlite3");
  const std::string full =
      testing::RunInChild([] { return testing::LimitFileSize(512 << 10); },
                          [&]() -> std::string {
                            auto store = HistoryStore::Open(path);
                            try {
                              for (int i = 0; i < 100000; ++i)
                                store->Record(Answer("sentence " + std::to_string(i), true, i));
                            } catch (const HistoryError& error) {
                              return error.what();
                            }
                            return "never full";
                          });
  EXPECT_NE(full, "never full");
  EXPECT_NE(full, "");
  // What was written before stays readable.
  EXPECT_FALSE(HistoryStore::Open(path)->Sentences("/home/me/phrases.txt").empty());
}

}  // namespace
}  // namespace dru
