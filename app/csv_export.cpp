// Exports as CSV: fields a spreadsheet reads as text, and never over a file
// that dru uses.
#include "app/csv_export.h"

#include "core/file/file_stamp.h"
#include "core/text/translation.h"

namespace dru {

std::string CsvField(std::string_view text) {
  const bool formula =
      !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
  if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) {
    return std::string(text);
  }
  std::string field = formula ? "\"'" : "\"";
  for (const char c : text) {
    if (c == '"') field += '"';
    field += c;
  }
  field += '"';
  return field;
}

std::string CsvLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(fields[i]);
  }
  line += "\r\n";
  return line;
}

std::string ExportRefusal(const std::string& path, const std::vector<FileInUse>& inUse) {
  const FileStamp target = FileStamp::OfPath(path);
  for (const FileInUse& file : inUse) {
    if (file.path.empty()) continue;
    if (file.path == path || target.SameFileAs(FileStamp::OfPath(file.path))) {
      return Args(Tr("Export", "%1 is %2; export to another file."),
                  {path, Tr("Export", file.what.c_str())});
    }
  }
  return {};
}

}  // namespace dru
