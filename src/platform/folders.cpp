// Choosing the game's folders: the program's own game folder, or an installed game's two.
#include "platform/folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace murk {

namespace {

bool Absolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

std::string WithSlash(const std::string& dir) {
    return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// $HOME, or the home the password database gives the user when HOME is unset or relative.
std::string HomeFolder() {
    const std::string home = Environment("HOME");
    if (Absolute(home)) return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir && Absolute(entry->pw_dir) ? entry->pw_dir : "";
}

}  // namespace

GameFolders ChooseGameFolders(const FolderFacts& facts) {
    if (facts.besideOwnObjects || !facts.installedDataExists)
        return {facts.workingDir, facts.workingDir};
    GameFolders folders;
    folders.data = WithSlash(facts.installedData);
    // The base directory specification: a relative XDG_DATA_HOME is invalid and ignored.
    if (Absolute(facts.xdgDataHome))
        folders.program = WithSlash(facts.xdgDataHome) + "murk/";
    else if (Absolute(facts.home))
        folders.program = WithSlash(facts.home) + ".local/share/murk/";
    return folders;
}

GameFolders FindGameFolders(const std::string& dataFromBin) {
    namespace fs = std::filesystem;
    std::error_code ec;
    FolderFacts facts;
    facts.workingDir = fs::current_path(ec).string();
    const fs::path executable = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && executable.has_parent_path()) {
        const fs::path dir = executable.parent_path();
        facts.installedData = (dir / dataFromBin).lexically_normal().string();
        facts.besideOwnObjects = fs::is_directory(dir / "Objects", ec);
        facts.installedDataExists = fs::is_directory(facts.installedData, ec);
    }
    facts.xdgDataHome = Environment("XDG_DATA_HOME");
    facts.home = HomeFolder();
    return ChooseGameFolders(facts);
}

}  // namespace murk
