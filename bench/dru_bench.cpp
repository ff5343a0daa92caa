// Prints how the sentence file operations compare with system tools on a
// large file, measured side by side in one run. Nothing is asserted.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_history.h"
#include "bench/import_figures.h"
#include "bench/learner.h"
#include "core/recall/recall_cue.h"
#include "history/history_backup.h"
#include "history/history_store.h"
#include "tests/support/fake_view.h"

namespace {

using Seconds = std::chrono::duration<double>;

double TimeIt(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return Seconds(std::chrono::steady_clock::now() - start).count();
}

// Best of a few runs, so that a busy neighbour on the machine counts less.
double BestOf(int runs, const std::function<void()>& work) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i)
    best = std::min(best, TimeIt(work));
  return best;
}

long ResidentBytes() {
  long pages = 0;
  long resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

void Shell(const std::string& command) {
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
}

#ifdef DRU_BINARY
// Starts the real program in folder and returns the seconds until its
// window is mapped, or a negative number when it never shows.
double StartUpSeconds(const std::filesystem::path& folder) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(folder.c_str()) != 0) _exit(1);
    freopen("/dev/null", "w", stderr);
    execl(DRU_BINARY, DRU_BINARY, static_cast<char*>(nullptr));
    _exit(1);
  }
  double seconds = -1;
  for (int i = 0; i < 2000 && seconds < 0; ++i) {
    if (std::system("xdotool search --onlyvisible --name '^dru - Sentence Typing Drill$' "
                    ">/dev/null 2>&1") == 0) {
      seconds = Seconds(std::chrono::steady_clock::now() - start).count();
    }
  }
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  return seconds;
}

void StartUpFigures(const std::filesystem::path& folder, const std::string& bigFile) {
  if (std::getenv("DISPLAY") == nullptr) {
    std::printf("start-up: skipped (no DISPLAY; run under Xvfb)\n");
    return;
  }
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);  // our own lock, apart from any running dru
  const auto empty = folder / "empty";
  const auto records = folder / "records";
  const auto single = folder / "single";
  for (const auto& dir : {empty, records, single})
    std::filesystem::create_directories(dir);
  std::filesystem::copy_file(bigFile, records / "Default.dat");
  {
    std::ofstream out(single / "Default.dat", std::ios::binary);
    const std::string line = "one record of many words and no line end at all ";
    for (std::size_t written = 0; written < (50u << 20); written += line.size())
      out << line;
  }
  const double emptyStart = StartUpSeconds(empty);
  const double recordsStart = StartUpSeconds(records);
  std::printf(
      "start-up until the window is mapped: empty folder %.2f s, 1,000,000 records "
      "%.2f s = %.2f x empty (aim under 2), one 50 MB record %.2f s (aim under 2 s)\n",
      emptyStart, recordsStart, recordsStart / emptyStart, StartUpSeconds(single));
}
#endif

}  // namespace

// What keeping an answer costs: the time of each Record (the median of
// the last thousand, with many answers already kept) and the store's size
// per answer.
void HistoryFigures(const std::filesystem::path& folder) {
  const std::string path = (folder / "history.sqlite3").string();
  auto store = dru::HistoryStore::Open(path);
  dru::AnswerRecord answer;
  answer.file = (folder / "big.dat").string();
  answer.typingMs = 5000;
  answer.keys = 60;
  constexpr int kAnswers = 100000;
  std::vector<double> times;
  for (int i = 0; i < kAnswers; ++i) {
    answer.timeMs = 1'700'000'000'000 + i * 1000LL;
    answer.sentence = "Sentence number " + std::to_string(i % 10000) + " of the benchmark.";
    answer.correct = i % 3 != 0;
    answer.mistakes = answer.correct ? 0 : 2;
    const double seconds = TimeIt([&] { store->Record(answer); });
    if (i >= kAnswers - 1000) times.push_back(seconds);
  }
  std::sort(times.begin(), times.end());
  store.reset();
  const double bytes = static_cast<double>(std::filesystem::file_size(path));
  std::printf(
      "history: an answer kept in %.3f ms (median; aim at most 1 ms more per Enter); "
      "%.0f bytes per answer over %d answers of 10000 sentences (aim at most 80)\n",
      times[times.size() / 2] * 1e3, bytes / kAnswers, kAnswers);
}

// The daily backup of a history of a million answers, against copying the
// file with cp and sync. It runs on a thread of its own once the window
// has closed, so that closing does not wait for it.
void BackupFigures(const std::filesystem::path& folder) {
  const std::string path = (folder / "backup" / "history.sqlite3").string();
  std::filesystem::create_directories(folder / "backup");
  dru::bench::MakeHistory(path, (folder / "backup" / "sentences.txt").string(), 10000, 1000000);
  const double size = static_cast<double>(std::filesystem::file_size(path));
  int day = 0;
  const double backup =
      BestOf(3, [&] { dru::BackUpHistory(path, "2026-01-1" + std::to_string(day++)); });
  const std::string copy = path + ".copy";
  const double cp =
      BestOf(3, [&] { Shell("cp '" + path + "' '" + copy + "' && sync '" + copy + "'"); });
  std::printf(
      "history backup: 1,000,000 answers, %.1f MB, in %.3f s   cp+sync: %.3f s   ratio %.2f "
      "(on its own thread after the window closed)\n",
      size / 1e6, backup, cp, backup / cp);
}

// The cue of a 200-character sentence at each level, built as each showing
// builds it, side by side with only copying the sentence.
void CueFigures() {
  std::string sentence;
  while (sentence.size() < 200)
    sentence += "The quick brown fox jumps over the lazy dog. ";
  sentence.resize(200);
  constexpr int kRounds = 20000;
  std::size_t sink = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i)
    sink += std::string(sentence).size();
  const double copy =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() /
      kRounds;
  for (const dru::CueLevel level :
       {dru::CueLevel::EveryOtherWord, dru::CueLevel::FirstLetters, dru::CueLevel::PromptOnly}) {
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
      const dru::RecallCue cue(sentence, level, dru::TextEncoding::Utf8);
      sink += cue.Shown(0).size() + cue.Spoken(0).size();
    }
    const double built =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count() /
        kRounds;
    std::printf(
        "cue of a 200-character sentence, %s: %.4f ms built and shown (aim at most "
        "0.1), copying the sentence %.5f ms\n",
        std::string(dru::LevelName(level)).c_str(), built, copy);
  }
  if (sink == 0) std::printf("\n");
}

int main(int argc, char** argv) {
  // "dru_bench learner": the simulated learner alone.
  if (argc > 1 && std::string(argv[1]) == "learner") {
    LearnerFigures();
    return 0;
  }
  // "dru_bench import": a 100 MB text brought in, alone.
  if (argc > 1 && std::string(argv[1]) == "import") {
    ImportFigures(std::filesystem::temp_directory_path());
    return 0;
  }
  const long records = argc > 1 ? std::atol(argv[1]) : 1000000;
  const auto folder =
      std::filesystem::temp_directory_path() / ("dru-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "big.dat").string();
  const std::string copy = (folder / "copy.dat").string();
  const std::string utf8Path = (folder / "utf8.dat").string();
  {
    std::ofstream out(path, std::ios::binary);
    std::ofstream utf8(utf8Path, std::ios::binary);  // the same in UTF-8, with LF
    std::string line;
    for (long i = 0; i < records; ++i) {
      line = (i % 10 == 0 ? "*" : "") + std::string("Record ") + std::to_string(i) +
             ": the quick brown fox jumps over the lazy dog near the riverbank at dawn.";
      line.resize(60 + static_cast<std::size_t>(i * 7919 % 77), '.');  // 60 to 136 bytes
      out << line << "\r\n";
      utf8 << "R\xC3\xA9" << line.substr(2) << "\n";
    }
  }
  const auto fileSize = static_cast<double>(std::filesystem::file_size(path));
  std::printf("file: %ld records, %.1f MB\n", records, fileSize / 1e6);

  dru::testing::FakeView view;
  dru::SystemClock clock;
  dru::Drill drill(view, clock);

  const double wc = BestOf(3, [&] { Shell("wc -l '" + path + "' > /dev/null"); });
  const long residentBefore = ResidentBytes();
  dru::FileFormat format;
  const double load = BestOf(3, [&] {
    dru::SentenceFile file = dru::ReadSentenceFile(path);
    format = file.format;
    drill.InstallFile(file);
  });
  const long residentAfter = ResidentBytes();
  std::printf("load:   %.3f s   wc -l: %.3f s   ratio %.2f (aim under 3)\n", load, wc, load / wc);
  {
    const double wcUtf8 = BestOf(3, [&] { Shell("wc -l '" + utf8Path + "' > /dev/null"); });
    const double loadUtf8 = BestOf(3, [&] { dru::ReadSentenceFile(utf8Path); });
    std::printf("load UTF-8 with LF: %.3f s   wc -l: %.3f s   ratio %.2f (aim under 3)\n", loadUtf8,
                wcUtf8, loadUtf8 / wcUtf8);
  }

  const double cp =
      BestOf(3, [&] { Shell("cp '" + path + "' '" + copy + "' && sync '" + copy + "'"); });
  const double save = BestOf(3, [&] { dru::WriteSentenceFile(copy, drill.FileLines(), format); });
  std::printf("save:   %.3f s   cp+sync: %.3f s   ratio %.2f (aim under 3)\n", save, cp, save / cp);

  const auto& pool = drill.UnmarkedList();
  const std::string target(pool.Get(pool.Count() - 2));
  const double mark = TimeIt([&] { drill.MarkRecord(target); });
  std::printf("mark near the end: %.2f ms (aim under 20)\n", mark * 1e3);

  std::printf("resident after load: %.1f MB = %.2f x file (growth by loading %.2f x)\n",
              residentAfter / 1e6, residentAfter / fileSize,
              (residentAfter - residentBefore) / fileSize);
  HistoryFigures(folder);
  BackupFigures(folder);
  CueFigures();
  LearnerFigures();
  ImportFigures(folder);
#ifdef DRU_BINARY
  StartUpFigures(folder, path);
#endif
  std::filesystem::remove_all(folder);
  return 0;
}
