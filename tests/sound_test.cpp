// Sound bank: loading failures, the options' switch, one sound at a time, the opening song.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "options/optionsform.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/startup.h"
#include "sound/soundbank.h"
#include "test_support.h"

namespace murk {
namespace {

// The id of a sound file: its name up to the first '-'.
std::string IdOf(const std::string& path) {
    const std::string file = std::filesystem::path(path).filename().string();
    return file.substr(0, file.find('-'));
}

// Fake tile pictures, but sound files that must exist; records every call on a sound player.
class SoundPlatform : public HeadlessPlatform {
public:
    SoundHandle OpenSound(const std::string& path, std::string& error) override {
        opened.push_back(IdOf(path));
        if (!FileExists(path)) {
            error = "Cannot open sound file \"" + path + "\".";
            return kNoSound;
        }
        const SoundHandle h = HeadlessPlatform::OpenSound(path, error);
        ids[h] = IdOf(path);
        return h;
    }
    bool StopSound(SoundHandle h) override {
        calls.push_back("stop " + ids[h]);
        return ids[h] != failingStop;
    }
    void RewindSound(SoundHandle h) override { calls.push_back("rewind " + ids[h]); }
    void PlaySound(SoundHandle h) override {
        calls.push_back("play " + ids[h]);
        HeadlessPlatform::PlaySound(h);
    }

    std::vector<std::string> opened;  // ids in the order they were opened
    std::vector<std::string> calls;
    std::string failingStop;  // a player whose stop reports an error
    std::map<SoundHandle, std::string> ids;
};

class SoundTest : public ::testing::Test {
protected:
    SoundTest() {
        dir.WriteLevel(0);
        for (const SoundFile& s : kSoundFiles) dir.WriteFile("Sounds/" + std::string(s.file), "x");
        pf.SetFakeImages(true);
        pf.SetCurrentDirectory(dir.Path().string());
    }

    void Remove(std::string_view id) {
        std::filesystem::remove(dir.Path() / "Sounds" / kSoundFiles[SoundIndex(id)].file);
    }

    // Start-up and the main window's first paint, as the program does them.
    App& Start() {
        app = std::make_unique<App>(pf);
        pf.SetAnswerPrompts(true);
        app->runLoop = PrepareLoopOnly;
        EXPECT_TRUE(Startup(*app));
        pf.ShowWindow();
        ShowForm(*app, *app->mainForm);
        ProcessMessages(*app);
        return *app;
    }

    std::vector<std::string> Played() const {
        std::vector<std::string> ids;
        for (const std::string& path : pf.PlayedSounds()) ids.push_back(IdOf(path));
        return ids;
    }

    // Every player stopped in table order (the song's only when it loaded), then the one played.
    static std::vector<std::string> StopAllThenPlay(const std::string& id, bool song = true) {
        std::vector<std::string> calls;
        for (size_t i = 0; i < (song ? kSoundFiles.size() : kWaveCount); ++i)
            calls.push_back("stop " + std::string(kSoundFiles[i].id));
        calls.push_back("rewind " + id);
        calls.push_back("play " + id);
        return calls;
    }

    test::TempGameDir dir;
    SoundPlatform pf;
    std::unique_ptr<App> app;
};

TEST_F(SoundTest, AMissingWaveThatNoEventPlaysStillSilencesTheWholeRun) {
    Remove("S25");
    App& a = Start();

    // Loading stopped at S25: the files after it and the song were never opened.
    ASSERT_EQ(pf.opened.size(), 19u);
    EXPECT_EQ(pf.opened.back(), "S25");
    ASSERT_EQ(pf.Boxes().size(), 2u);
    EXPECT_EQ(pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_NE(pf.Boxes()[0].text.find("S25-P2-LoseLife.wav"), std::string::npos);
    EXPECT_EQ(pf.Boxes()[1].kind, BoxKind::Error);
    EXPECT_EQ(pf.Boxes()[1].text, kWavError);
    EXPECT_FALSE(a.sound.soundOn);
    EXPECT_FALSE(a.sound.songLoaded);

    // The first paint locked the switch, so even a saved "On" cannot bring sound back.
    Edit& edit = *a.optionsForm->SoundEdit;
    EXPECT_EQ(edit.Text(), "Off");
    EXPECT_FALSE(edit.Enabled());
    pf.QueueKeyUp(vk::F2);
    ProcessMessages(a);
    ASSERT_FALSE(a.game.GameStopped);
    a.PlaySound("S02");
    EXPECT_TRUE(pf.calls.empty());
    EXPECT_TRUE(Played().empty());
}

TEST_F(SoundTest, AMissingSongLosesOnlyTheSongWithOneMessage) {
    Remove("S99");
    App& a = Start();
    ASSERT_EQ(pf.Boxes().size(), 2u);
    EXPECT_EQ(pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(pf.Boxes()[1].kind, BoxKind::Error);
    EXPECT_EQ(pf.Boxes()[1].text, kMp3Error);
    EXPECT_TRUE(a.sound.soundOn);
    EXPECT_FALSE(a.sound.songLoaded);
    EXPECT_TRUE(a.optionsForm->SoundEdit->Enabled());
    EXPECT_TRUE(Played().empty());  // no song at the first paint

    a.PlaySound("S99");
    EXPECT_TRUE(pf.calls.empty());
    a.PlaySound("S02");
    EXPECT_EQ(pf.calls, StopAllThenPlay("S02", false));  // the song's player is left alone

    pf.QueueEvent({EventKind::Paint, 0, 0, 0, 0, {}});
    ProcessMessages(a);
    EXPECT_EQ(pf.Boxes().size(), 2u);
}

TEST_F(SoundTest, SoundSwitchedOffInTheOptionsPlaysNeitherSongNorEffects) {
    dir.WriteFile("Options.dat",
                  "20\nUp 38 Down 40 Left 37 Right 39 Ctrl 17 Shift 16 \n"
                  "T 84 G 71 F 70 H 72 Z 90 A 65 \nOff\n");
    App& a = Start();
    EXPECT_TRUE(pf.Boxes().empty());
    EXPECT_TRUE(a.sound.songLoaded);
    EXPECT_FALSE(a.sound.soundOn);
    EXPECT_TRUE(a.optionsForm->SoundEdit->Enabled());  // off by choice, so it can come back on
    a.PlaySound("S00");
    EXPECT_TRUE(pf.calls.empty());
    EXPECT_TRUE(Played().empty());
}

TEST_F(SoundTest, TheSongPlaysOnceAtTheFirstPaintAndEachSoundCutsOffTheOthers) {
    App& a = Start();
    EXPECT_TRUE(pf.Boxes().empty());
    EXPECT_EQ(pf.calls, StopAllThenPlay("S99"));
    for (int i = 0; i < 3; ++i) pf.QueueEvent({EventKind::Paint, 0, 0, 0, 0, {}});
    ProcessMessages(a);
    EXPECT_EQ(Played(), std::vector<std::string>{"S99"});

    // Gold picked up while the hurt sound plays: everything stops, the coin starts from 0.
    a.PlaySound("S05");
    pf.calls.clear();
    a.PlaySound("S02");
    EXPECT_EQ(pf.calls, StopAllThenPlay("S02"));

    // Every id reaches its own file.
    for (const SoundFile& s : kSoundFiles) {
        a.PlaySound(s.id);
        ASSERT_FALSE(pf.PlayedSounds().empty());
        EXPECT_EQ(std::filesystem::path(pf.PlayedSounds().back()).filename(), s.file);
    }
}

TEST_F(SoundTest, AStopThatFailsEndsTheStoppingAndLetsPendingMessagesThrough) {
    App& a = Start();
    pf.failingStop = "S03";
    pf.calls.clear();
    pf.QueueEvent({EventKind::Paint, 0, 0, 0, 0, {}});
    a.PlaySound("S05");
    EXPECT_EQ(pf.calls, (std::vector<std::string>{"stop S00", "stop S01", "stop S02", "stop S03",
                                                  "rewind S05", "play S05"}));
    EXPECT_EQ(pf.PendingEvents(), 0u);
}

}  // namespace
}  // namespace murk
