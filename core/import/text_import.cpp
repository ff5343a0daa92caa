// A text brought in: its encoding found, read as the kind of source it
// is, and its lines cleaned by LineBuilder.
#include "core/import/text_import.h"

#include <algorithm>
#include <cstring>

#include "core/file/sentence_file.h"
#include "core/import/delimited_reader.h"
#include "core/import/html_text.h"
#include "core/import/line_builder.h"
#include "core/import/text_cut.h"
#include "core/text/text_encoding.h"
#include "core/text/translation.h"

namespace dru {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The source as UTF-8.
struct DecodedText {
  std::string owned;
  std::string_view text;
  bool readAsCp1252 = false;
  bool notText = false;
};

// UTF-16 after its byte-order mark, as a spreadsheet's "Unicode text"
// comes; a lone surrogate becomes U+FFFD.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](std::size_t i) -> char16_t {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
      const char16_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendCodePoint(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendCodePoint(out, u >= 0xD800 && u <= 0xDFFF ? char32_t{0xFFFD} : char32_t{u});
  }
  return out;
}

// Text has no NUL bytes, and few control characters besides blanks and
// line ends.
bool LooksLikeText(std::string_view bytes) {
  if (std::memchr(bytes.data(), '\0', bytes.size()) != nullptr) return false;
  const std::string_view start = bytes.substr(0, 64 * 1024);
  std::size_t controls = 0;
  for (const char c : start) {
    const auto byte = static_cast<unsigned char>(c);
    controls += byte < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f' && c != '\v' &&
                c != '\x1a' && c != '\x1b';
  }
  return controls * 20 <= start.size();
}

DecodedText Decode(std::string_view bytes) {
  DecodedText decoded;
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
    decoded.owned = FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
    decoded.text = decoded.owned;
    decoded.notText = !LooksLikeText(decoded.text);
    return decoded;
  }
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  if (!LooksLikeText(bytes)) {
    decoded.notText = true;
  } else if (IsValidUtf8(bytes)) {
    decoded.text = bytes;
  } else {
    decoded.owned = AsUtf8(bytes, TextEncoding::Windows1252);
    decoded.text = decoded.owned;
    decoded.readAsCp1252 = true;
  }
  return decoded;
}

// What reading the records of a list found, for the notes.
struct RecordCounts {
  std::size_t empty = 0;
  std::size_t withoutPrompt = 0;
  std::size_t withPrompt = 0;
  std::size_t moreFields = 0;
};

class Importer {
 public:
  Importer(const ImportRequest& request, ImportProgress& progress)
      : request_(request), progress_(progress) {}

  void Reserve(std::size_t bytes) { lines_.Reserve(bytes); }
  bool Cancelled() const { return progress_.cancelled.load(std::memory_order_relaxed); }

  void Text(std::string_view text) { CutText(text, request_, lines_, progress_); }

  void NotesExport(std::string_view text) {
    char separator = '\t';
    bool html = false;
    std::vector<std::size_t> skipped;  // 0-based columns that are no fields
    std::size_t at = 0;
    while (at < text.size() && text[at] == '#') {
      std::size_t next = at;
      const std::string_view header = NextLine(text, next);
      at = next;
      const std::size_t colon = header.find(':');
      if (colon == std::string_view::npos) continue;
      const std::string_view key = header.substr(1, colon - 1);
      const std::string_view value = header.substr(colon + 1);
      if (key == "separator") {
        separator = SeparatorNamed(value, separator);
      } else if (key == "html") {
        html = value == "true";
      } else if (key.ends_with(" column")) {
        std::size_t column = 0;
        for (const char c : value) {
          if (c < '0' || c > '9') break;
          column = column * 10 + static_cast<std::size_t>(c - '0');
        }
        if (column > 0) skipped.push_back(column - 1);
      }
    }
    Records(text.substr(at), separator, html, skipped);
    Note(counts_.empty, [](int n) { return Tr("Import", "%n empty note(s) dropped", nullptr, n); });
    Note(counts_.withoutPrompt, [](int n) {
      return Tr("Import", "%n note(s) without a second field (is|are) kept without a prompt",
                nullptr, n);
    });
    Note(counts_.moreFields, [](int n) {
      return Tr("Import", "%n note(s) with more than two fields: only the first two kept", nullptr,
                n);
    });
  }

  void Delimited(std::string_view text, char separator) {
    DelimitedReader reader(text, separator);
    std::vector<std::string> names;
    if (request_.firstRowNames) reader.Next(names);  // the columns' names, no phrase
    Records(text.substr(reader.Position()), separator, false, {});
    Note(counts_.empty, [](int n) { return Tr("Import", "%n empty row(s) dropped", nullptr, n); });
    // A list of one column has no prompts, and nothing to say about them.
    if (counts_.withPrompt > 0)
      Note(counts_.withoutPrompt, [](int n) {
        return Tr("Import", "%n row(s) without a second column (is|are) kept without a prompt",
                  nullptr, n);
      });
    Note(counts_.moreFields, [](int n) {
      return Tr("Import", "%n row(s) with more than two columns: only the first two kept", nullptr,
                n);
    });
  }

  void Finish(ImportedText& result, bool fields) {
    if (fields)
      Note(lines_.tabsReplaced, [](int n) {
        return Tr("Import", "%n TAB(s) inside a field became spaces", nullptr, n);
      });
    Note(lines_.marksRemoved, [](int n) {
      return Tr("Import", "%n line(s) began with '*', which marks a line learned: taken off",
                nullptr, n);
    });
    if (lines_.longLines > 0) {
      const int count = PluralCount(static_cast<std::int64_t>(lines_.longLines));
      notes_.push_back(Args(Tr("Import",
                               "%n sentence(s) longer than %1 characters: the display shows "
                               "them a part at a time",
                               nullptr, count),
                            {std::to_string(LineBuilder::kLongLine)}));
    }
    result.notes.insert(result.notes.end(), notes_.begin(), notes_.end());
    result.lines = lines_.TakeLines();
  }

 private:
  static char SeparatorNamed(std::string_view name, char otherwise) {
    if (name == "tab") return '\t';
    if (name == "comma") return ',';
    if (name == "semicolon") return ';';
    if (name == "space") return ' ';
    if (name == "pipe") return '|';
    if (name == "colon") return ':';
    return name.size() == 1 ? name[0] : otherwise;
  }

  void Records(std::string_view text, char separator, bool html,
               const std::vector<std::size_t>& skipped) {
    DelimitedReader reader(text, separator);
    std::vector<std::string> record;
    std::vector<std::string> fields;
    while (!Cancelled() && reader.Next(record)) {
      progress_.done.store(reader.Position(), std::memory_order_relaxed);
      if (record.size() == 1 && IsBlank(record[0])) continue;  // a blank line
      fields.clear();
      for (std::size_t i = 0; i < record.size(); ++i) {
        if (std::find(skipped.begin(), skipped.end(), i) != skipped.end()) continue;
        fields.push_back(html ? TextOfHtml(record[i]) : std::move(record[i]));
      }
      lines_.Append(fields.empty() ? std::string_view() : fields[0]);
      const bool prompt = fields.size() >= 2 && !IsBlank(fields[1]);
      if (prompt) {
        lines_.StartPrompt();
        lines_.Append(fields[1]);
      }
      if (!lines_.EndLine()) {
        ++counts_.empty;
        continue;
      }
      ++(prompt ? counts_.withPrompt : counts_.withoutPrompt);
      for (std::size_t i = 2; i < fields.size(); ++i) {
        if (!IsBlank(fields[i])) {
          ++counts_.moreFields;
          break;
        }
      }
    }
  }

  // The note that text gives for count, where there is anything to say.
  template <typename Text>
  void Note(std::size_t count, Text text) {
    if (count > 0) notes_.push_back(text(PluralCount(static_cast<std::int64_t>(count))));
  }

  const ImportRequest& request_;
  ImportProgress& progress_;
  LineBuilder lines_;
  RecordCounts counts_;
  std::vector<std::string> notes_;
};

bool EndsWith(std::string_view name, std::string_view extension) {
  if (name.size() < extension.size()) return false;
  const std::string_view end = name.substr(name.size() - extension.size());
  for (std::size_t i = 0; i < end.size(); ++i) {
    if ((end[i] | 0x20) != extension[i]) return false;
  }
  return true;
}

}  // namespace

char SeparatorOfFile(std::string_view fileName) {
  return EndsWith(fileName, ".tsv") ? '\t' : '\0';
}

SourceKind KindOfFile(std::string_view fileName, std::string_view bytes) {
  if (EndsWith(fileName, ".csv") || EndsWith(fileName, ".tsv")) return SourceKind::Delimited;
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  for (const std::string_view header :
       {"#separator:", "#html:", "#columns:", "#notetype", "#deck", "#guid", "#tags"}) {
    if (bytes.starts_with(header)) return SourceKind::NotesExport;
  }
  return SourceKind::Text;
}

ImportedText ImportText(std::string_view bytes, const ImportRequest& request,
                        ImportProgress& progress) {
  ImportedText result;
  result.kind = request.kind;
  const DecodedText decoded = Decode(bytes);
  if (decoded.notText) {
    result.problem = Tr("Import", "This is not a text file.");
    return result;
  }
  progress.total.store(decoded.text.size(), std::memory_order_relaxed);
  Importer importer(request, progress);
  // Lines are never longer than what they come from; text reserves its
  // own, a part at a time.
  if (request.kind != SourceKind::Text) importer.Reserve(decoded.text.size());
  switch (request.kind) {
    case SourceKind::Text:
      importer.Text(decoded.text);
      break;
    case SourceKind::NotesExport:
      importer.NotesExport(decoded.text);
      break;
    case SourceKind::Delimited:
      importer.Delimited(decoded.text, request.separator != '\0' ? request.separator
                                                                 : GuessSeparator(decoded.text));
      break;
  }
  if (importer.Cancelled()) {
    result.cancelled = true;
    return result;
  }
  if (decoded.readAsCp1252)
    result.notes.push_back(Tr("Import", "The text is not UTF-8; it was read as Windows-1252."));
  importer.Finish(result, request.kind != SourceKind::Text);
  if (result.lines.Count() == 0)
    result.problem = Tr("Import", "There is nothing to learn in this text.");
  return result;
}

}  // namespace dru
