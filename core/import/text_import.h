#pragma once

#include <atomic>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/record_list.h"

namespace dru {

// Bringing a text in: a pasted text, a card program's notes export, a CSV
// or TSV phrase list, or plain text, made into the lines of a new sentence
// file. Nothing here writes; the learner saves the result.

// How plain text becomes sentences.
enum class CutMode {
  Sentences,  // by the sentence rules of the text's language; paragraphs' lines joined
  Lines,      // each non-empty line as it stands, for poems and lists
};

// What a source is read as.
enum class SourceKind {
  Text,         // pasted or plain text, cut by CutMode
  NotesExport,  // a card program's notes in plain text, with '#' headers
  Delimited,    // CSV or TSV, one or two columns
};

// Told how far the work is, and asked to stop, from another thread.
struct ImportProgress {
  std::atomic<std::size_t> done{0};  // bytes of the source worked through
  std::atomic<std::size_t> total{0};
  std::atomic<bool> cancelled{false};
};

struct ImportRequest {
  SourceKind kind = SourceKind::Text;
  CutMode cut = CutMode::Sentences;
  // The text's language ("de", "en_GB"): whose abbreviations do not end a
  // sentence.
  std::string language = "en";
  // The separator of a CSV or TSV list; '\0' to tell it from the first line.
  char separator = '\0';
  // A CSV or TSV list whose first row names its columns.
  bool firstRowNames = false;
};

// The lines of the new file, UTF-8, each "text" or "text<TAB>prompt".
struct ImportedText {
  RecordList lines;
  // What was changed or dropped, a line each, in the reader's language.
  std::vector<std::string> notes;
  // Why there is nothing to save ("This is not a text file."); empty when
  // lines holds the text.
  std::string problem;
  SourceKind kind = SourceKind::Text;  // what the source was read as
  bool cancelled = false;
};

// The kind of a file by its name and its first bytes: '#' headers of a
// notes export, a .csv or .tsv name, or else text.
SourceKind KindOfFile(std::string_view fileName, std::string_view bytes);

// TAB for a .tsv file; '\0' (to be told from the text) for any other.
char SeparatorOfFile(std::string_view fileName);

// Works bytes (any of the encodings a text comes in) into lines. Returns
// early, with cancelled set, once progress is cancelled.
ImportedText ImportText(std::string_view bytes, const ImportRequest& request,
                        ImportProgress& progress);

// Reads the regular file at path, without waiting on a FIFO or a device,
// and without writing to it. Throws UserError (too large) or IoError.
std::string ReadImportSource(const std::string& path);

inline constexpr std::size_t kImportLimitBytes = std::size_t{512} << 20;

// A name for the new file from the first words of its first line, such as
// "Four score and seven years.txt"; "Text.txt" when no word is fit.
std::string SuggestedFileName(std::string_view firstLine);

}  // namespace dru
