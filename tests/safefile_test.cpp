// Saving a file: the old one is replaced only by a complete new one, and keeps what it was.
#include "base/safefile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

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

// Runs a save of "new" as a user who may write the file but not its folder; returns the result.
int SaveWithoutFolderRights(const fs::path& folder, const fs::path& file) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0) {
            constexpr uid_t kNobody = 65534;
            if (::chown(file.c_str(), kNobody, kNobody) != 0 || ::setgid(kNobody) != 0 ||
                ::setuid(kNobody) != 0)
                ::_exit(99);
        } else if (::chmod(folder.c_str(), 0555) != 0) {
            ::_exit(99);
        }
        ::_exit(static_cast<int>(SaveFile(file.string(), "new")));
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Rewriting in place could leave the file empty or cut; the old file is worth more.
TEST(SafeFile, AFolderThatTakesNoNewFileKeepsTheOldFileWholeAndSaysWhy) {
    test::TempGameDir dir;
    fs::create_directory(dir.Path() / "locked");
    dir.WriteFile("locked/HighScores.dat", "old");
    const fs::path file = dir.Path() / "locked" / "HighScores.dat";
    ::chmod(file.c_str(), 0666);
    ::chmod(dir.Path().c_str(), 0755);  // the unprivileged user must reach the folder
    EXPECT_EQ(SaveWithoutFolderRights(dir.Path() / "locked", file),
              static_cast<int>(SaveResult::FolderTakesNoNewFile));
    EXPECT_EQ(test::ReadFileText(file), "old");
    EXPECT_NE(SaveFailureText(SaveResult::FolderTakesNoNewFile, "HighScores.dat").find("kept"),
              std::string::npos);
}

// The save stopped before each of its steps in turn (every write of a few bytes among them):
// the file is always the old text whole or the new one whole.
TEST(SafeFile, AKillAtAnyStepLeavesTheOldFileOrTheNewOneWhole) {
    test::TempGameDir dir;
    const std::string oldText(100, 'o'), newText(60, 'n');
    const fs::path file = dir.Path() / "Options.dat";
    dir.WriteFile("Options.dat", oldText);
    bool sawOld = false, sawNew = false;
    for (int killAt = 0;; ++killAt) {
        ASSERT_LT(killAt, 100) << "the save never finished";
        const pid_t child = ::fork();
        if (child == 0) {
            int steps = 0;
            SaveFaults faults;
            faults.writeChunk = 7;
            faults.beforeStep = [&](SaveStep) {
                if (steps++ == killAt) ::_exit(9);
            };
            ::_exit(SaveFile(file.string(), newText, &faults) == SaveResult::Saved ? 0 : 1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        const std::string now = test::ReadFileText(file);
        ASSERT_TRUE(now == oldText || now == newText)
            << "stopped at step " << killAt << ": " << now;
        (now == oldText ? sawOld : sawNew) = true;
        if (WEXITSTATUS(status) == 0) break;
        dir.WriteFile("Options.dat", oldText);
    }
    EXPECT_TRUE(sawOld && sawNew);
}

TEST(SafeFile, AShortWriteIsFinishedAndAFullDiskKeepsTheOldFile) {
    test::TempGameDir dir;
    const fs::path file = dir.Path() / "HighScores.dat";
    dir.WriteFile("HighScores.dat", "old table");
    SaveFaults faults;
    faults.writeChunk = 1;
    ASSERT_EQ(SaveFile(file.string(), "new table", &faults), SaveResult::Saved);
    EXPECT_EQ(test::ReadFileText(file), "new table");

    faults.spaceLeft = 4;
    EXPECT_EQ(SaveFile(file.string(), "a longer table", &faults), SaveResult::Failed);
    EXPECT_EQ(test::ReadFileText(file), "new table");
    for (const auto& e : fs::directory_iterator(dir.Path()))
        EXPECT_EQ(e.path().filename().string().find("HighScores.dat."), std::string::npos);
}

// What a stopped save leaves beside the game's files goes at the next start; nothing else does.
TEST(SafeFile, StaleTemporariesOfTheFileAreRemovedAndNothingElse) {
    test::TempGameDir dir;
    for (const char* name :
         {"HighScores.dat", "HighScores.dat.a1B2c3", "HighScores.dat.ZZZZZZ", "HighScores.dat.tmp",
          "HighScores.dat.a1B2c3d", "HighScores.dat.a1-2c3", "Options.dat.a1B2c3",
          "xHighScores.dat.a1B2c3"})
        dir.WriteFile(name, "x");
    fs::create_directory(dir.Path() / "HighScores.dat.folder");
    RemoveStaleTemporaries((dir.Path() / "HighScores.dat").string());
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(dir.Path())) left.push_back(e.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"HighScores.dat", "HighScores.dat.a1-2c3",
                                              "HighScores.dat.a1B2c3d", "HighScores.dat.folder",
                                              "HighScores.dat.tmp", "Levels", "Options.dat.a1B2c3",
                                              "xHighScores.dat.a1B2c3"}));

    // The game clears its own at start-up.
    dir.WriteLevel(0);
    test::HeadlessApp game(dir);
    ASSERT_TRUE(game.Start());
    EXPECT_FALSE(fs::exists(dir.Path() / "Options.dat.a1B2c3"));
}

}  // namespace
}  // namespace murk
