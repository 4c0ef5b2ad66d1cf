// The game's folders: where a game folder and an installed game keep their files, the player's
// folder set up at an installed game's start, and a start-up that reads the data there.
#include "platform/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "level/levels.h"
#include "scores/table.h"
#include "shell/playerfolder.h"
#include "shell/startup.h"
#include "test_support.h"

namespace murk {
namespace {

namespace fs = std::filesystem;
using test::ReadFileText;
using test::TempGameDir;

TEST(GameFolders, AGameFolderPlaysWhereStartedAnInstalledGameKeepsFilesInTheDataHome) {
    FolderFacts facts;
    facts.workingDir = "/home/ann/games";
    facts.installedData = "/opt/murk/share/murk";
    facts.installedDataExists = true;
    facts.xdgDataHome = "/home/ann/data";
    facts.home = "/home/ann";

    const GameFolders installed = ChooseGameFolders(facts);
    EXPECT_EQ(installed.data, "/opt/murk/share/murk/");
    EXPECT_EQ(installed.program, "/home/ann/data/murk/");

    // The base directory rules: an empty or relative XDG_DATA_HOME is not used.
    for (const char* xdg : {"", "data"}) {
        facts.xdgDataHome = xdg;
        EXPECT_EQ(ChooseGameFolders(facts).program, "/home/ann/.local/share/murk/") << xdg;
    }
    facts.home = "";
    EXPECT_EQ(ChooseGameFolders(facts).program, "") << "no home: start-up says so";

    // Beside its own Objects (build/game/murk) or without installed data: the folder it starts in.
    facts.besideOwnObjects = true;
    EXPECT_EQ(ChooseGameFolders(facts).program, "/home/ann/games");
    EXPECT_EQ(ChooseGameFolders(facts).data, "/home/ann/games");
    facts.besideOwnObjects = false;
    facts.installedDataExists = false;
    EXPECT_EQ(ChooseGameFolders(facts).program, "/home/ann/games");
    EXPECT_EQ(ChooseGameFolders(facts).data, "/home/ann/games");
}

// The shipped data of an installed game: three levels and the starting table.
struct ShippedData {
    ShippedData() {
        test::WriteNumberedLevels(dir, 3);
        dir.WriteFile(kHighScoresFile, "shipped table");
    }
    TempGameDir dir;
};

TEST(PlayerFolder, CopiesWhatIsMissingAndNeverReplacesThePlayersFiles) {
    const ShippedData shipped;
    HeadlessPlatform pf;
    const TempGameDir home;
    const std::string player = home.Dir() + ".local/share/murk/";
    ASSERT_EQ(SetUpPlayerFolder(pf, player, shipped.dir.Dir()), "");
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(ReadFileText(LevelFileName(player, n)),
                  ReadFileText(LevelFileName(shipped.dir.Dir(), n)));
    EXPECT_FALSE(fs::exists(LevelFileName(player, 3)));
    EXPECT_EQ(ReadFileText(player + kHighScoresFile), "shipped table");

    // The player's own level and table stay; a level the folder lost comes back, and a copy
    // cut short by a kill leaves nothing behind.
    std::ofstream(LevelFileName(player, 1)) << "my level";
    std::ofstream(player + kHighScoresFile) << "my table";
    fs::remove(LevelFileName(player, 2));
    std::ofstream(LevelFileName(player, 2) + ".x7Kq2Z") << "half a copy";
    ASSERT_EQ(SetUpPlayerFolder(pf, player, shipped.dir.Dir()), "");
    EXPECT_EQ(ReadFileText(LevelFileName(player, 1)), "my level");
    EXPECT_EQ(ReadFileText(player + kHighScoresFile), "my table");
    EXPECT_EQ(ReadFileText(LevelFileName(player, 2)),
              ReadFileText(LevelFileName(shipped.dir.Dir(), 2)));
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(player + kLevelsFolder))
        ++files;
    EXPECT_EQ(files, 3u) << "nothing but the levels, no temporary left behind";
}

TEST(PlayerFolder, SaysWhyWhenTheFolderCannotBeMade) {
    const ShippedData shipped;
    HeadlessPlatform pf;
    TempGameDir home;
    home.WriteFile("file", "a file where the folder should go");
    const std::string blocked = home.Dir() + "file/murk/";
    const std::string why = SetUpPlayerFolder(pf, blocked, shipped.dir.Dir());
    EXPECT_NE(why.find(blocked), std::string::npos) << why;
    EXPECT_NE(why.find("start the game again"), std::string::npos) << why;
    EXPECT_NE(SetUpPlayerFolder(pf, "", shipped.dir.Dir()).find("HOME"), std::string::npos);
}

// Records the first picture and sound files the game asks for.
class InstalledPlatform : public HeadlessPlatform {
public:
    ImageId LoadImageFile(const std::string& path, std::string& error) override {
        if (firstImage.empty()) firstImage = path;
        return HeadlessPlatform::LoadImageFile(path, error);
    }
    SoundHandle OpenSound(const std::string& path, std::string& error) override {
        if (firstSound.empty()) firstSound = path;
        return HeadlessPlatform::OpenSound(path, error);
    }
    std::string firstImage, firstSound;
};

TEST(InstalledStartup, ReadsTheDataThereKeepsThePlayersFilesHereAndCountsTheCopiedLevels) {
    const ShippedData shipped;
    const TempGameDir home;
    const std::string player = home.Dir() + "murk/";
    InstalledPlatform pf;
    pf.SetFakeImages(true);
    pf.SetCurrentDirectory(player);
    pf.SetDataDirectory(shipped.dir.Dir());
    App app(pf);
    ASSERT_TRUE(Startup(app));
    EXPECT_EQ(app.DirLbl, player);
    EXPECT_EQ(app.play.LevelCount, 3);
    EXPECT_EQ(pf.firstImage.rfind(shipped.dir.Dir() + "Objects/", 0), 0u) << pf.firstImage;
    EXPECT_EQ(pf.firstSound.rfind(shipped.dir.Dir() + "Sounds/", 0), 0u) << pf.firstSound;
    EXPECT_TRUE(fs::exists(player + kHighScoresFile));

    // A folder that cannot be made: one box that names it, and nothing else happens.
    InstalledPlatform blockedPf;
    blockedPf.SetCurrentDirectory(shipped.dir.Dir() + kHighScoresFile + "/murk");
    blockedPf.SetDataDirectory(shipped.dir.Dir());
    App blocked(blockedPf);
    EXPECT_FALSE(Startup(blocked));
    ASSERT_EQ(blockedPf.Boxes().size(), 1u);
    EXPECT_NE(blockedPf.Boxes()[0].text.find("could not be made"), std::string::npos);
    EXPECT_TRUE(blocked.terminated);
    EXPECT_EQ(blockedPf.firstImage, "");
}

}  // namespace
}  // namespace murk
