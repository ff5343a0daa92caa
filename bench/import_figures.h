#pragma once

#include <filesystem>

// A 100 MB text brought in, cut into sentences and kept by lines, side by
// side with reading a sentence file of the same size.
void ImportFigures(const std::filesystem::path& folder);
