#include "bench/import_figures.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "core/file/sentence_file.h"
#include "core/import/text_import.h"

namespace {

template <typename Work>
double BestOf3(Work work) {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

}  // namespace

void ImportFigures(const std::filesystem::path& folder) {
  // Prose in paragraphs of six lines, with abbreviations and numbers, and
  // the same bytes as a sentence file.
  const std::string path = (folder / "speech.txt").string();
  {
    std::ofstream out(path, std::ios::binary);
    const std::string lines[] = {
        "It was Dr. Smith who arrived at 10 a.m. on the 3rd of May, and he\n",
        "said that the meeting, e.g. the one in the hall, would start late. Nobody\n",
        "knew why; some said it was the weather, others the trains. \"Is it\n",
        "always like this?\" asked a visitor. Yes! It is, since 1990 at least.\n",
        "Caf\xC3\xA9 owners agreed, and the mayor (Mr. Jones) nodded twice.\n",
        "\n"};
    std::size_t written = 0;
    for (std::size_t i = 0; written < (std::size_t{100} << 20); ++i) {
      out << lines[i % 6];
      written += lines[i % 6].size();
    }
  }
  const auto size = static_cast<double>(std::filesystem::file_size(path));
  const double read = BestOf3([&] { dru::ReadSentenceFile(path); });
  std::size_t count = 0;
  const auto timeCut = [&](dru::CutMode cut) {
    return BestOf3([&] {
      dru::ImportProgress progress;
      const dru::ImportedText text = dru::ImportText(dru::ReadImportSource(path),
                                                     {dru::SourceKind::Text, cut, "en"}, progress);
      count = text.lines.Count();
    });
  };
  const double sentences = timeCut(dru::CutMode::Sentences);
  const std::size_t sentenceCount = count;
  const double lines = timeCut(dru::CutMode::Lines);
  std::printf("bring in %.0f MB: read as a sentence file %.3f s\n", size / 1e6, read);
  std::printf("  cut into %zu sentences: %.3f s, %.2f x (aim at most 3)\n", sentenceCount,
              sentences, sentences / read);
  std::printf("  kept by lines, %zu: %.3f s, %.2f x (aim at most 3)\n", count, lines, lines / read);
  std::filesystem::remove(path);
}
