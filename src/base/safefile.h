// Whole-file reads with a size bound, and writes that replace a file only once fully written.
#pragma once

#include <cstddef>
#include <string>

namespace murk {

enum class [[nodiscard]] FileReadResult{Read, CannotOpen, TooLarge};

FileReadResult ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out);

// Writes `text` to a uniquely named temporary file beside the file `path` names (following
// symbolic links, so a link stays a link), with the old file's permissions and group, flushes it
// to disk and renames it over the old file. Where the folder cannot take a new file but the
// file itself is writable, the file is rewritten in place. Returns false when the text could not
// be saved; a failed replace leaves the old file as it was.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::string& text);

}  // namespace murk
