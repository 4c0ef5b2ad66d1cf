// The SDL platform's file queries: program and data directories, existence, read-only and making
// writable.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>

#include "platform/sdl/sdl_backend.h"

namespace murk::sdl {

std::string SdlPlatform::CurrentDirectory() const {
    if (folders_) return folders_->program;
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

std::string SdlPlatform::DataDirectory() const {
    return folders_ ? folders_->data : CurrentDirectory();
}

bool SdlPlatform::FileExists(const std::string& path) const {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

bool SdlPlatform::IsReadOnly(const std::string& path) const {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & S_IWUSR) == 0) return true;
    // root may write anything; for others the permission bits of group and other can deny it.
    return geteuid() != 0 && access(path.c_str(), W_OK) != 0;
}

bool SdlPlatform::MakeWritable(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return false;
    return chmod(path.c_str(), st.st_mode | S_IWUSR) == 0;
}

}  // namespace murk::sdl
