// Bounded whole-file reads, and writes that replace a file only once fully on disk.
#include "base/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace murk {

FileReadResult ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return FileReadResult::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileReadResult::CannotOpen;
    out.clear();
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        if (out.size() + static_cast<size_t>(got) > maxBytes) return FileReadResult::TooLarge;
        out.append(buffer, static_cast<size_t>(got));
    }
    if (in.bad()) return FileReadResult::CannotOpen;
    return FileReadResult::Read;
}

namespace {

namespace fs = std::filesystem;

// The file a save replaces: `path` itself, or the file its chain of symbolic links ends at, so
// that the link stays a link.
fs::path FollowLinks(const fs::path& path) {
    fs::path p = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
        const fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p;
}

void Before(const SaveFaults* faults, SaveStep step) {
    if (faults && faults->beforeStep) faults->beforeStep(step);
}

// One write system call, as the faults shape it.
ssize_t WriteSome(int fd, const char* data, size_t size, size_t done, const SaveFaults* faults) {
    if (faults) {
        if (done >= faults->spaceLeft) {
            errno = ENOSPC;
            return -1;
        }
        size = std::min({size, faults->writeChunk, faults->spaceLeft - done});
    }
    return ::write(fd, data, size);
}

bool WriteAll(int fd, const std::string& text, const SaveFaults* faults) {
    size_t done = 0;
    while (done < text.size()) {
        Before(faults, SaveStep::Write);
        const ssize_t n = WriteSome(fd, text.data() + done, text.size() - done, done, faults);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    Before(faults, SaveStep::Flush);
    return ::fsync(fd) == 0;
}

// Makes the rename itself lasting. Some file systems cannot sync a folder; the file is then as
// safe as they allow, so a failure here is not the save's failure.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The new file takes the old one's permissions, owner and group where it may (a new file gets
// the usual permissions for the user's umask; mkstemp alone would give 0600).
void CopyAttributes(int fd, const struct stat* old) {
    if (old) {
        ::fchmod(fd, old->st_mode & 07777);
        if (::fchown(fd, old->st_uid, old->st_gid) != 0 &&
            ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
            // Neither is ours to give: the file keeps the saver's own owner and group.
        }
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

// Whether `name` is `base` plus a dot and the six letters or digits mkstemp puts there.
bool IsTemporaryOf(const std::string& name, const std::string& base) {
    if (name.size() != base.size() + 7 || name.compare(0, base.size(), base) != 0 ||
        name[base.size()] != '.')
        return false;
    return std::all_of(name.begin() + static_cast<long>(base.size()) + 1, name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

SaveResult SaveFile(const std::string& path, const std::string& text, const SaveFaults* faults) {
    const fs::path target = FollowLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return SaveResult::Failed;

    // A unique temporary name beside the target, so the rename stays within one file system.
    Before(faults, SaveStep::CreateTemporary);
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        // Rewriting the file in place could leave it empty or cut if the game were stopped
        // or the disk filled meanwhile; the old table or options are worth more than the new.
        const bool folderRefuses = errno == EACCES || errno == EPERM || errno == EROFS;
        return exists && folderRefuses ? SaveResult::FolderTakesNoNewFile : SaveResult::Failed;
    }
    CopyAttributes(fd, exists ? &old : nullptr);
    const bool written = WriteAll(fd, text, faults);
    Before(faults, SaveStep::Close);
    const bool closed = ::close(fd) == 0;
    if (written && closed) Before(faults, SaveStep::Rename);
    if (!written || !closed || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return SaveResult::Failed;
    }
    Before(faults, SaveStep::FlushFolder);
    SyncFolder(target.parent_path());
    return SaveResult::Saved;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    return SaveFile(path, text) == SaveResult::Saved;
}

std::string SaveFailureText(SaveResult result, const std::string& fileName) {
    if (result != SaveResult::FolderTakesNoNewFile) return "";
    return "The folder of '" + fileName +
           "' does not allow new files, so the file cannot be replaced safely. The old file is "
           "kept as it was.";
}

void RemoveStaleTemporaries(const std::string& path) {
    const fs::path target = FollowLinks(path);
    const std::string base = target.filename().string();
    if (base.empty()) return;
    std::error_code ec;
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (IsTemporaryOf(name, base) && it->is_regular_file(typeError) &&
            !it->is_symlink(typeError))
            fs::remove(it->path(), typeError);
    }
}

bool MakeFolders(const std::string& path) {
    std::error_code ec;
    fs::create_directories(path, ec);
    return !ec && fs::is_directory(path, ec);
}

}  // namespace murk
