// Saving a file: the old one is replaced only by a complete new one, and keeps what it was.
#include "base/safefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "test_support.h"

namespace murk {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(SafeFile, ASaveKeepsPermissionsAndLinksAndLeavesNothingBehind) {
    test::TempGameDir dir;
    dir.WriteFile("real/HighScores.dat", "old");
    const fs::path real = dir.Path() / "real" / "HighScores.dat";
    ::chmod(real.c_str(), 0640);
    const fs::path link = dir.Path() / "HighScores.dat";
    fs::create_symlink("real/HighScores.dat", link);
    dir.WriteFile("HighScores.dat.tmp", "somebody else's");  // no fixed temporary name is used

    ASSERT_TRUE(WriteFileAtomically(link.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::ReadFileText(real), "new");
    EXPECT_EQ(ModeOf(real), 0640u);
    EXPECT_EQ(test::ReadFileText(dir.Path() / "HighScores.dat.tmp"), "somebody else's");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path() / "real"), fs::directory_iterator()),
              1);

    // A new file gets the usual permissions, not a temporary file's private ones.
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(WriteFileAtomically((dir.Path() / "Options.dat").string(), "x"));
    ::umask(mask);
    EXPECT_EQ(ModeOf(dir.Path() / "Options.dat"), 0644u);

    // A folder in the way is not a file to save over.
    fs::create_directory(dir.Path() / "folder");
    EXPECT_FALSE(WriteFileAtomically((dir.Path() / "folder").string(), "x"));
}

// Runs `save` as a user who may write the file but not its folder; returns its exit status.
int SaveWithoutFolderRights(const fs::path& folder, const fs::path& file,
                            bool (*save)(const std::string&)) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            if (::chown(file.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 ||
                ::setuid(kNobody) != 0)
                ::_exit(2);
        } else if (::chmod(folder.c_str(), 0555) != 0) {
            ::_exit(2);
        }
        ::_exit(save(file.string()) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeFile, AWritableFileInAFolderThatTakesNoNewFileIsRewrittenInPlace) {
    test::TempGameDir dir;
    fs::create_directory(dir.Path() / "locked");
    dir.WriteFile("locked/HighScores.dat", "old");
    const fs::path file = dir.Path() / "locked" / "HighScores.dat";
    ::chmod(file.c_str(), 0644);
    ::chmod(dir.Path().c_str(), 0755);  // the unprivileged user must reach the folder
    const int status =
        SaveWithoutFolderRights(dir.Path() / "locked", file,
                                [](const std::string& p) { return WriteFileAtomically(p, "new"); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(test::ReadFileText(file), "new");
}

}  // namespace
}  // namespace murk
