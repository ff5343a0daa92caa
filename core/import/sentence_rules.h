#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace dru {

// Where the sentences of a paragraph end, by Unicode's sentence boundary
// rules (UAX #29) with ICU's character data, worked out here in one pass
// over the bytes: ICU's iterator, built for any text, takes several times
// as long, which a 100 MB text would feel.
//
// ends gets every break after the start, the text's end included. False
// (ends then unspecified) for a text this pass leaves to ICU: one with
// characters that attach to the one before (combining marks, format
// characters) or that separate paragraphs (NEL, LS, PS, CR, LF).
bool FindSentenceEnds(std::string_view utf8, std::vector<std::size_t>& ends);

}  // namespace dru
