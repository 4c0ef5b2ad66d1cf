// Whole-file reads with a size bound, and writes that replace a file only once fully written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace murk {

enum class [[nodiscard]] FileReadResult{Read, CannotOpen, TooLarge};

FileReadResult ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out);

// The steps of a save, in order. A write is one step per system call.
enum class SaveStep { CreateTemporary, Write, Flush, Close, Rename, FlushFolder };

// A test seam: faults to inject into a save. `beforeStep` runs before each step (a test may end
// the process there); each write hands the system at most `writeChunk` bytes, and once
// `spaceLeft` bytes are written the next write fails as on a full disk.
struct SaveFaults {
    std::function<void(SaveStep)> beforeStep;
    size_t writeChunk = SIZE_MAX;
    size_t spaceLeft = SIZE_MAX;
};

enum class [[nodiscard]] SaveResult{
    Saved,
    FolderTakesNoNewFile,  // the old file stays as it was: it cannot be replaced safely there
    Failed,                // the old file stays as it was
};

// Writes `text` to a uniquely named temporary file beside the file `path` names (following
// symbolic links, so a link stays a link), with the old file's permissions and group, flushes it
// to disk and renames it over the old file. Whenever the process is stopped, the file on disk is
// the old one whole or the new one whole. A file is never rewritten in place: in a folder that
// takes no new file the save fails and the old file stays whole.
SaveResult SaveFile(const std::string& path, const std::string& text,
                    const SaveFaults* faults = nullptr);

// SaveFile, for callers that need only whether the text was saved.
[[nodiscard]] bool WriteFileAtomically(const std::string& path, const std::string& text);

// Why a save failed where the reason is more than the disk, in words a player can act on: the
// folder that takes no new file. "" for any other result (the caller's own message says it).
std::string SaveFailureText(SaveResult result, const std::string& fileName);

// Removes what saves of the file `path` names left behind when the process was stopped during
// one: files named like the file plus a dot and six letters or digits, beside the file (or beside
// the file its link points to). Nothing else is touched.
void RemoveStaleTemporaries(const std::string& path);

// Makes the folder `path` and its parents; true when it is there.
bool MakeFolders(const std::string& path);

}  // namespace murk
