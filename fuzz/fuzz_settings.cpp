// Any settings text parses, keeps its lines when nothing is written, and
// keeps our three keys readable after they are written.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const dru::IniFile untouched(text);
  if (untouched.Text() != text) std::abort();

  dru::IniFile ini(text);
  ini.Write("Files", "LastOpenFile", "Default.dat");
  ini.Write("Options", "SoundEffect", "0");
  ini.Write("Options", "CaseSensitive", "1");
  const dru::IniFile reread(ini.Text());
  if (reread.Read("files", "lastopenfile") != "Default.dat") std::abort();
  if (dru::ReadFlag(reread.Read("Options", "SoundEffect"), true)) std::abort();
  if (!dru::ReadFlag(reread.Read("Options", "CaseSensitive"), false)) std::abort();

  // Writing the same values again changes nothing.
  dru::IniFile again(ini.Text());
  again.Write("Files", "LastOpenFile", "Default.dat");
  again.Write("Options", "SoundEffect", "0");
  again.Write("Options", "CaseSensitive", "1");
  if (again.Text() != ini.Text()) std::abort();
  return 0;
}
