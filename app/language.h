#pragma once

#include <string>
#include <vector>

namespace dru {

// The languages the desktop asks for, most wanted first, as translation
// names: "de_DE", "pt_BR", "fr". LANGUAGE's list comes first, then the
// first of LC_ALL, LC_MESSAGES and LANG that is set. The list ends where
// English, C or POSIX is asked for: the texts as written. Names with
// anything but letters, digits and "_" are left out.
std::vector<std::string> WantedLanguages(char* (*getenv)(const char*));

}  // namespace dru
