#pragma once

// A sentence file and a long history of answers to it, for the benchmarks.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "history/history_store.h"

namespace dru::bench {

// Writes sentences sentences to file and answers answers to them into
// the history at historyPath, two thousand a day up to now.
inline void MakeHistory(const std::string& historyPath, const std::string& file, int sentences,
                        int answers) {
  std::filesystem::remove(historyPath);
  std::ofstream out(file, std::ios::binary);
  for (int i = 0; i < sentences; ++i)
    out << "Sentence " << i << " of the progress benchmark.\r\n";
  auto store = HistoryStore::Open(historyPath);
  std::vector<AnswerRecord> records(static_cast<std::size_t>(answers));
  const std::int64_t start = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count() -
                             static_cast<std::int64_t>(answers) * 43'200;
  for (int i = 0; i < answers; ++i) {
    AnswerRecord& answer = records[static_cast<std::size_t>(i)];
    answer.timeMs = start + static_cast<std::int64_t>(i) * 43'200;
    answer.file = file;
    answer.sentence = "Sentence " +
                      std::to_string(static_cast<std::int64_t>(i) * 7919 % sentences) +
                      " of the progress benchmark.";
    answer.correct = i % 4 != 0;
    answer.typingMs = 4000 + i % 3000;
    answer.keys = 40;
  }
  store->RecordMany(records);
}

}  // namespace dru::bench
