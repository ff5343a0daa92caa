// Writes a few weeks of made-up answers to a sentence file into the
// history, dated in the past, for pictures of the Progress window; or,
// with --large, writes SENTENCE_FILE of 100,000 sentences and 1,000,000
// answers to them, for timing start-up in review order.
// Usage: dru_make_history [--large] SENTENCE_FILE [DAYS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_history.h"
#include "history/history_store.h"

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--large") {
    dru::bench::MakeHistory(dru::DefaultHistoryPath(), std::filesystem::absolute(argv[2]).string(),
                            100000, 1000000);
    return 0;
  }
  if (argc < 2) {
    std::fputs("Usage: dru_make_history SENTENCE_FILE [DAYS]\n", stderr);
    return 2;
  }
  const std::string file = std::filesystem::absolute(argv[1]).string();
  const int days = argc > 2 ? std::atoi(argv[2]) : 21;
  std::vector<std::string> sentences;
  std::ifstream in(file, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() != '*') sentences.push_back(line);
  }
  if (sentences.empty()) {
    std::fprintf(stderr, "no sentences in %s\n", file.c_str());
    return 1;
  }
  const std::int64_t now = std::chrono::duration_cast<std::chrono::milliseconds>(
                               std::chrono::system_clock::now().time_since_epoch())
                               .count();
  std::vector<dru::AnswerRecord> answers;
  unsigned seed = 12345;
  auto next = [&seed](unsigned range) {
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) % range;
  };
  for (int day = days; day >= 1; --day) {
    if (day % 6 == 3) continue;  // a day off now and then
    const int count = 15 + static_cast<int>(next(25));
    for (int i = 0; i < count; ++i) {
      dru::AnswerRecord answer;
      answer.timeMs = now - day * 86'400'000LL + 9 * 3'600'000LL + i * 40'000LL;
      answer.file = file;
      answer.sentence = sentences[next(static_cast<unsigned>(sentences.size()))];
      answer.keys = static_cast<std::int64_t>(answer.sentence.size());
      // Faster and surer as the weeks go by.
      const double speed = 150.0 + (days - day) * 6.0 + next(80);
      answer.typingMs = static_cast<std::int64_t>(answer.keys * 60000.0 / speed);
      answer.correct = next(100) < 60u + static_cast<unsigned>((days - day) * 1.5);
      answer.mistakes = answer.correct ? 0 : 1 + next(3);
      answers.push_back(answer);
    }
  }
  dru::HistoryStore::Open(dru::DefaultHistoryPath())->RecordMany(answers);
  std::printf("%zu answers over %d days written to %s\n", answers.size(), days,
              dru::DefaultHistoryPath().c_str());
  return 0;
}
