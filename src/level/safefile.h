// Whole-file reads with a size bound, and writes that replace a file only once fully written.
#pragma once

#include <cstddef>
#include <string>

namespace murk {

enum class FileReadResult { Read, CannotOpen, TooLarge };

FileReadResult ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out);

// Writes `text` to a temporary file beside `path`, flushes it and renames it over `path`.
// Returns false (and leaves `path` as it was) when any step fails.
bool WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace murk
