// Bounded whole-file reads, and writes that replace a file only once fully on disk.
#include "base/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
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

// A folder that cannot take a new file may still hold a writable file: rewrite it where it is.
bool WriteInPlace(const fs::path& target, const std::string& text) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, text);
    return ::close(fd) == 0 && ok;
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

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    const fs::path target = FollowLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return false;

    // A unique temporary name beside the target, so the rename stays within one file system.
    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return exists && WriteInPlace(target, text);
    CopyAttributes(fd, exists ? &old : nullptr);
    const bool written = WriteAll(fd, text);
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

}  // namespace murk
