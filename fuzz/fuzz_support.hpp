#pragma once
// Shared set-up of the reader fuzz targets: the input bytes become a file in a
// scratch folder, the store is fresh, the console log goes to memory, and a
// stop of the run (RunStop) is the expected end of bad input.
#include <cstddef>
#include <cstdint>
#include <string>

namespace mirval::fuzz {

// Writes the bytes to a scratch file with this extension; returns its path.
std::string writeInput(const std::uint8_t* data, std::size_t size, const std::string& extension);

// Reads the file into a fresh store as `fileType` ("orv", "vrk", "eef" or
// "spe"), with the result listing and the console log in memory, then writes
// the normalized copies into memory; the run's stop is swallowed.
void runReader(const std::string& path, const char* fileType);

}  // namespace mirval::fuzz
