#pragma once

#include <string>
#include <string_view>

namespace dru {

// The text of a card program's HTML field: tags removed (a line break or
// a block between words leaves a space), entities such as "&amp;" and
// "&#233;" made characters, sound references ("[sound:x.mp3]") dropped,
// and a cloze "{{c1::answer::hint}}" made its answer. A '<' that starts
// no tag stays, as in "a < b".
std::string TextOfHtml(std::string_view html);

}  // namespace dru
