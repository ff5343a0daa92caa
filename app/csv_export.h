#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dru {

// One field of a CSV file (RFC 4180), quoted where it holds a comma, a
// quote or a line break. A field that a spreadsheet would run as a formula
// (one that begins with =, +, -, @, a tab or a carriage return) is quoted
// with an apostrophe before it, so that it is shown as text.
std::string CsvField(std::string_view text);
// Fields joined into one line, ended by CR LF.
std::string CsvLine(const std::vector<std::string>& fields);

// A file that dru itself uses, and what it is to the user.
struct FileInUse {
  std::string path;
  std::string what;  // "the sentence file open in dru"
};

// Why an export must not be written to path: "" when it may, else a
// sentence that names the file. The same file under another name (a hard
// or symbolic link) is found by its device and inode.
std::string ExportRefusal(const std::string& path, const std::vector<FileInUse>& inUse);

}  // namespace dru
