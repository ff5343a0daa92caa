#pragma once

#include <string_view>

#include "core/import/line_builder.h"
#include "core/import/text_import.h"

namespace dru {

// Plain text into lines: by sentence (the lines of a paragraph joined, a
// blank line ending it) or line by line, a TAB starting the prompt. A
// large text is cut in parts at once, one a processor, each part ending
// at a paragraph's or a line's end; the lines come out in order.
void CutText(std::string_view text, const ImportRequest& request, LineBuilder& lines,
             ImportProgress& progress);

// The next line of text from at, without its line end (CR LF, LF or CR);
// at moves past it.
std::string_view NextLine(std::string_view text, std::size_t& at);

bool IsBlank(std::string_view line);

}  // namespace dru
