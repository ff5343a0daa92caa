#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/file/record.h"
#include "core/file/record_list.h"

namespace dru {

// Gathers the lines of a new sentence file, each cleaned by the one rule
// for text brought in: runs of blanks, line breaks and no-break spaces
// become one space, trimmed at both ends; control characters (0x1A, which
// ends a sentence file's data, among them) are dropped; a TAB inside the
// text becomes a space, so that only the TAB before a prompt starts one;
// and a '*' at the start is taken off, since it marks a line learned.
class LineBuilder {
 public:
  LineBuilder();
  LineBuilder(const LineBuilder&) = delete;
  LineBuilder& operator=(const LineBuilder&) = delete;
  ~LineBuilder();

  // Room for bytes of lines: no more than the source they come from.
  void Reserve(std::size_t bytes);
  // Adds to the text of the line being built.
  void Append(std::string_view utf8);
  // Ends the text and starts the line's prompt, cleaned alike.
  void StartPrompt();
  // Ends the line; one with no text is dropped (a prompt alone too).
  // False when it was dropped.
  bool EndLine();

  // Takes the lines and counts of other, built from the text after this
  // one's, once this one has all of its own; its lines keep sharing its
  // block, so that nothing is copied.
  void Absorb(LineBuilder& other);

  // The lines, in order, sharing their blocks.
  RecordList TakeLines();

  std::size_t tabsReplaced = 0;
  std::size_t marksRemoved = 0;
  std::size_t longLines = 0;  // texts of more than kLongLine characters

  static constexpr std::size_t kLongLine = 500;

 private:
  void AddSpace();
  // Room for bytes more at the end, and bytes put there.
  char* Room(std::size_t bytes);
  void Put(const char* bytes, std::size_t count);

  // The lines, written straight into the block they will share.
  std::unique_ptr<RecordBlock> block_;
  std::size_t size_ = 0;
  std::vector<std::size_t> ends_;
  std::vector<RecordList> absorbed_;
  std::size_t lineStart_ = 0;
  std::size_t promptStart_ = std::string::npos;  // where the TAB is, if any
  bool pendingSpace_ = false;
};

}  // namespace dru
