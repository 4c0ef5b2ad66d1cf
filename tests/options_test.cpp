// Options: Options.dat as written and read (damaged files too), the options window's edits, saving
// at quit.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <climits>
#include <filesystem>
#include <random>

#include "options/optionsfile.h"
#include "options/optionsform.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "test_support.h"

namespace murk {
namespace {

using test::HeadlessApp;
using test::TempGameDir;

constexpr const char* kDefaultFile =
    "20\n"
    "Up 38 Down 40 Left 37 Right 39 Ctrl 17 Shift 16 \n"
    "T 84 G 71 F 70 H 72 Z 90 A 65 \n"
    "On\n";

Event Typed(const std::string& text) {
    return {EventKind::Text, 0, 0, 0, 0, text};
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() { dir.WriteLevel(0); }

    // A started program whose first paint (the second options read) has happened.
    std::unique_ptr<HeadlessApp> Launch() {
        auto h = std::make_unique<HeadlessApp>(dir);
        EXPECT_TRUE(h->Start());
        ProcessMessages(*h->app);
        return h;
    }

    void Send(HeadlessApp& h, std::initializer_list<Event> events) {
        for (const Event& e : events) h.pf.QueueEvent(e);
        ProcessMessages(*h.app);
    }

    void OpenOptionsWindow(HeadlessApp& h) {
        Send(h, {test::KeyUpEvent(vk::F10)});
        ASSERT_TRUE(h.app->optionsForm->Shown());
    }

    void Click(HeadlessApp& h, const Widget& w) {
        test::QueueClick(h.pf, w);
        ProcessMessages(*h.app);
    }

    // The options window opened from the menu with the focus on one of its edits.
    Edit& Focus(HeadlessApp& h, Edit* TOptionsForm::*edit) {
        OpenOptionsWindow(h);
        Edit& e = *(h.app->optionsForm.get()->*edit);
        Click(h, e);
        return e;
    }

    std::filesystem::path OptionsFile() const { return dir.Path() / "Options.dat"; }

    TempGameDir dir;
};

// What the game writes, read over options that differ in every field, gives the same options.
void ExpectReadBack(const OptionValues& v) {
    OptionValues back;
    back.speed = "-999";
    back.keys.fill({"unset", -12345});
    back.sound = "unset";
    ParseOptions(FormatOptions(v), back);
    EXPECT_TRUE(back == v) << "written:\n"
                           << FormatOptions(v) << "read back:\n"
                           << FormatOptions(back);
}

// Every field holds something the game can use: a speed that reads as an integer, and options
// the game writes and reads back unchanged.
void ExpectUsable(const OptionValues& v) {
    EXPECT_NO_THROW(StrToInt(v.speed)) << v.speed;
    ExpectReadBack(v);
}

TEST_F(OptionsTest, MissingFileGivesDefaultsAndIsWrittenAtQuit) {
    auto h = Launch();
    const OptionValues defaults;
    const OptionValues v = h->app->optionsForm->Values();
    EXPECT_EQ(v.speed, "20");
    EXPECT_EQ(v.sound, "On");
    for (size_t i = 0; i < v.keys.size(); ++i) {
        EXPECT_EQ(v.keys[i].name, defaults.keys[i].name);
        EXPECT_EQ(v.keys[i].code, defaults.keys[i].code);
    }
    EXPECT_FALSE(std::filesystem::exists(OptionsFile()));

    ShutDown(*h->app);
    EXPECT_EQ(test::ReadFileText(OptionsFile()), kDefaultFile);
    EXPECT_TRUE(h->pf.Boxes().empty());
}

TEST_F(OptionsTest, SettingsChosenInTheWindowSurviveARestartAndReachTheGame) {
    {
        auto h = Launch();
        TOptionsForm& o = *h->app->optionsForm;
        OpenOptionsWindow(*h);
        Click(*h, *o.P2FireEdit);
        Send(*h, {test::KeyUpEvent('Q')});
        Click(*h, *o.P1UpEdit);
        Send(*h, {test::KeyUpEvent(vk::Numpad0)});
        Click(*h, *o.GameSpeedEdit);
        Send(*h, {Typed("3"), Typed("5")});
        Click(*h, *o.SoundEdit);
        Send(*h, {test::KeyUpEvent(vk::Escape)});
        EXPECT_FALSE(o.Shown());
        ShutDown(*h->app);
    }
    EXPECT_EQ(test::ReadFileText(OptionsFile()),
              "35\n"
              "N0 96 Down 40 Left 37 Right 39 Ctrl 17 Shift 16 \n"
              "T 84 G 71 F 70 H 72 Q 81 A 65 \n"
              "Off\n");

    auto h = Launch();
    TOptionsForm& o = *h->app->optionsForm;
    EXPECT_EQ(o.GameSpeedEdit->Text(), "35");
    EXPECT_EQ(o.P1UpEdit->Text(), "N0");
    EXPECT_EQ(o.P1UpEdit->Tag(), 96);
    EXPECT_EQ(o.P2FireEdit->Text(), "Q");
    EXPECT_EQ(o.P2FireEdit->Tag(), 81);
    EXPECT_EQ(o.SoundEdit->Text(), "Off");

    Send(*h, {test::KeyUpEvent(vk::F2)});
    ASSERT_FALSE(h->app->game.GameStopped);
    EXPECT_EQ(h->app->game.P1().upKey, 96);
    EXPECT_EQ(h->app->game.P2().fireKey, 81);
    EXPECT_EQ(h->app->game.P2().menuKey, 65);
    EXPECT_EQ(h->app->loopDelay, 35);
    EXPECT_FALSE(h->app->sound.soundOn);
}

// Damaged or hostile files: whatever the file holds, each field ends up with a value the game
// can use, and no message is shown.
struct DamagedCase {
    const char* what;
    std::string text;
    std::string speed;
    std::string p1Up;  // name of P1's up key
    int p1UpCode;
    std::string p2Menu;
    std::string sound;
};

TEST_F(OptionsTest, DamagedFilesKeepUsableFields) {
    const std::string longNumber = std::string(58, '0') + "7";
    const std::string rest = "Left 37 Right 39 Ctrl 17 Shift 16 T 84 G 71 F 70 H 72 Z 90 ";
    const DamagedCase cases[] = {
        {"speed only", "35\n", "35", "Up", 38, "A", "On"},
        {"ends inside a key", "35\nW 87 Down", "35", "W", 87, "A", "On"},
        {"no line breaks", "7 W 87 S 83 " + rest + "Q 81 Off", "7", "W", 87, "Q", "Off"},
        {"negative speed", "-5\n", "-5", "Up", 38, "A", "On"},
        {"speed longer than 55", longNumber + "\nW 87", "20", "W", 87, "A", "On"},
        {"code longer than 55", "9\nW " + longNumber + "\n", "9", "Up", 38, "A", "On"},
        {"speed not a number", "fast\nW 87", "20", "W", 87, "A", "On"},
        {"code not a number", "9\nW up S 83", "9", "Up", 38, "A", "On"},
        {"name longer than 55", "9\n" + std::string(56, 'W') + " 87", "9", "Up", 38, "A", "On"},
        {"sound longer than 55", "9 W 87 S 83 " + rest + "Q 81 " + std::string(56, 'f'), "9", "W",
         87, "Q", "On"},
        {"huge numbers", "99999999999999999999\nW 99999999999999999999", "20", "Up", 38, "A", "On"},
        {"empty file", "", "20", "Up", 38, "A", "On"},
        {"binary", std::string("\x00\x01\xff\xfe 12 \x7f\n\x00", 11), "20", "Up", 38, "A", "On"},
    };
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(c.what);
        dir.WriteFile("Options.dat", c.text);
        auto h = Launch();
        const OptionValues v = h->app->optionsForm->Values();
        EXPECT_EQ(v.speed, c.speed);
        EXPECT_EQ(v.keys[0].name, c.p1Up);
        EXPECT_EQ(v.keys[0].code, c.p1UpCode);
        EXPECT_EQ(v.keys[11].name, c.p2Menu);
        EXPECT_EQ(v.sound, c.sound);
        ExpectUsable(v);
        EXPECT_TRUE(h->pf.Boxes().empty());
    }
}

// A file written by hand is read as it stands: any key name beside any code, any sound word.
// The keys reach the game by their codes, and only "On" lets a game play sound.
TEST_F(OptionsTest, HandWrittenKeysAndSoundAreKeptAsTheyStand) {
    const std::string handWritten =
        "20\n"
        "Foo 38 Down 40 Left 37 Right 39 F9 120 Shift 16 \n"
        "T 84 G 71 F 70 H 72 Z 90 Menu2 -7 \n"
        "off\n";
    dir.WriteFile("Options.dat", handWritten);
    {
        auto h = Launch();
        TOptionsForm& o = *h->app->optionsForm;
        EXPECT_EQ(o.P1UpEdit->Text(), "Foo");
        EXPECT_EQ(o.P1UpEdit->Tag(), 38);
        EXPECT_EQ(o.P1FireEdit->Text(), "F9");
        EXPECT_EQ(o.P1FireEdit->Tag(), 120);
        EXPECT_EQ(o.P2MenuEdit->Text(), "Menu2");
        EXPECT_EQ(o.P2MenuEdit->Tag(), -7);
        EXPECT_EQ(o.SoundEdit->Text(), "off");
        // The first paint silences only "Off"; a game's start plays sound only for "On".
        EXPECT_TRUE(h->app->sound.soundOn);

        Send(*h, {test::KeyUpEvent(vk::F2)});
        ASSERT_FALSE(h->app->game.GameStopped);
        EXPECT_EQ(h->app->game.P1().upKey, 38);
        EXPECT_EQ(h->app->game.P1().fireKey, vk::F9);
        EXPECT_EQ(h->app->game.P2().menuKey, -7);
        EXPECT_FALSE(h->app->sound.soundOn);
        ShutDown(*h->app);
    }
    EXPECT_EQ(test::ReadFileText(OptionsFile()), handWritten);

    // The switch turns any word but On into On, and On into Off.
    auto h = Launch();
    Edit& sound = *h->app->optionsForm->SoundEdit;
    OpenOptionsWindow(*h);
    Click(*h, sound);
    EXPECT_EQ(sound.Text(), "On");
    Click(*h, sound);
    EXPECT_EQ(sound.Text(), "Off");
}

// The speed word is taken as the speed edit takes a typed text.
TEST(OptionsParse, TheSpeedIsTakenAsTheSpeedEditTakesIt) {
    const std::string longest = std::string(kMaxOptionWord - 1, '0') + "9";
    const struct {
        std::string word, speed;  // the speed read over a held speed of 7
    } cases[] = {
        {"35", "35"},       {"+035", "+035"},     {"-5", "-5"},
        {"fast", "20"},     {"1.5", "20"},        {"99999999999", "20"},  // not an int
        {longest, longest}, {"0" + longest, "7"},                         // 56 characters: kept
    };
    for (const auto& c : cases) {
        OptionValues v;
        v.speed = "7";
        ParseOptions(c.word + "\n", v);
        EXPECT_EQ(v.speed, c.speed) << c.word;
    }
}

TEST(OptionsParse, WhatTheGameWritesReadsBackTheSame) {
    std::mt19937 gen(2024);
    auto pick = [&](size_t n) { return static_cast<size_t>(gen() % n); };
    // Any bytes a word of the file can hold, up to the longest word read.
    auto word = [&] {
        std::string w;
        const size_t length = 1 + pick(kMaxOptionWord);
        while (w.size() < length) {
            const char c = static_cast<char>(gen() % 256);
            if (!std::isspace(static_cast<unsigned char>(c))) w += c;
        }
        return w;
    };
    auto code = [&] {
        const int edges[] = {INT_MIN, INT_MAX, 0, -1, vk::F9};
        return pick(3) == 0 ? edges[pick(std::size(edges))] : static_cast<int>(gen());
    };
    // Whole numbers as the speed edit holds them: signed, zero-padded, up to 55 characters.
    auto speed = [&] {
        const char* signs[] = {"", "+", "-"};
        const std::string digits =
            pick(4) == 0 ? std::string("2147483647") : std::to_string(gen() % 100000);
        return signs[pick(3)] + std::string(pick(kMaxOptionWord - 10), '0') + digits;
    };
    for (int round = 0; round < 500; ++round) {
        OptionValues v;
        v.speed = speed();
        for (KeyOption& k : v.keys) k = {word(), code()};
        v.sound = word();
        SCOPED_TRACE(round);
        ExpectReadBack(v);
    }
}

TEST(OptionsParse, RandomJunkAlwaysLeavesUsableFields) {
    std::mt19937 gen(12345);
    const std::string words[] = {"20", "-3", "Up", "38", "On",  "Off", "112",
                                 "0",  "+7", "x",  "65", "+-3", "-+",  "99999999999"};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int n = static_cast<int>(gen() % 40);
        for (int i = 0; i < n; ++i) {
            const char junk = static_cast<char>(gen() % 256);
            if (gen() % 3 == 0)
                text += junk;
            else
                text += words[gen() % std::size(words)] + (gen() % 4 ? " " : "\n");
        }
        OptionValues v;
        ParseOptions(text, v);
        SCOPED_TRACE(text);
        ExpectUsable(v);
    }
}

TEST_F(OptionsTest, AnOversizedFileIsReportedAndChangesNothing) {
    dir.WriteFile("Options.dat", "5\n" + std::string(2u << 20, ' '));
    auto h = Launch();
    EXPECT_EQ(h->app->optionsForm->GameSpeedEdit->Text(), "20");
    ASSERT_GE(h->pf.Boxes().size(), 2u);
    EXPECT_EQ(h->pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(h->pf.Boxes()[1].kind, BoxKind::Error);
    EXPECT_EQ(h->pf.Boxes()[1].text, "Error loading 'Options.dat' file. ");
}

TEST_F(OptionsTest, KeyCaptureAcceptsOnlyNamedKeys) {
    auto h = Launch();
    Edit& fire = Focus(*h, &TOptionsForm::P2FireEdit);

    struct Release {
        int key;
        const char* name;  // what the edit then shows
        int code;          // and stores
    };
    const Release releases[] = {
        {vk::F1, "Z", 90},  // keys without a name change nothing
        {vk::PrintScreen, "Z", 90},
        {vk::Numpad0, "N0", 96},
        {220, "|", 220},
        {vk::Up, "Up", 38},  // a key player 1 already uses is still taken
        {'Q', "Q", 81},
        {vk::Escape, "Q", 81},  // leaves the window
    };
    for (const Release& r : releases) {
        Send(*h, {test::KeyUpEvent(r.key)});
        EXPECT_EQ(fire.Text(), r.name) << r.key;
        EXPECT_EQ(fire.Tag(), r.code) << r.key;
    }
    EXPECT_FALSE(h->app->optionsForm->Shown());
}

TEST_F(OptionsTest, TabWalksTheEditsWithoutCapturingAKey) {
    auto h = Launch();
    OpenOptionsWindow(*h);
    TOptionsForm& o = *h->app->optionsForm;
    Send(*h, {test::KeyDownEvent(vk::Tab), test::KeyUpEvent(vk::Tab)});
    EXPECT_EQ(o.FocusedWidget(), o.P1UpEdit);
    for (int i = 0; i < 12; ++i) Send(*h, {test::KeyDownEvent(vk::Tab), test::KeyUpEvent(vk::Tab)});
    EXPECT_EQ(o.FocusedWidget(), o.GameSpeedEdit);
    Send(*h, {test::KeyDownEvent(vk::Tab), test::KeyDownEvent(vk::Tab)});
    EXPECT_EQ(o.FocusedWidget(), o.P1UpEdit);  // round again after the sound switch
    EXPECT_EQ(o.P1UpEdit->Text(), "Up");
    EXPECT_EQ(o.P1UpEdit->Tag(), 38);
}

TEST_F(OptionsTest, GameSpeedEditKeepsAWholeNumber) {
    auto h = Launch();
    TOptionsForm& o = *h->app->optionsForm;
    Edit& speed = Focus(*h, &TOptionsForm::GameSpeedEdit);

    Send(*h, {Typed("5")});
    EXPECT_EQ(speed.Text(), "5");  // focus selected the old text, typing replaced it
    Send(*h, {Typed("a")});
    EXPECT_EQ(speed.Text(), "20");

    Send(*h, {test::KeyDownEvent(vk::Back), test::KeyDownEvent(vk::Back)});
    EXPECT_EQ(speed.Text(), "");  // left alone while typing

    Click(*h, *o.P1UpEdit);
    EXPECT_EQ(speed.Text(), "4");

    Click(*h, speed);
    Send(*h, {Typed("7")});
    EXPECT_EQ(speed.Text(), "7");
    Send(*h, {test::KeyDownEvent(vk::Enter), test::KeyUpEvent(vk::Enter)});
    EXPECT_EQ(speed.Text(), "7");
    EXPECT_EQ(o.FocusedWidget(), &speed);

    // Leaving the window checks the text as losing the focus does.
    Send(*h, {test::KeyDownEvent(vk::Back)});
    EXPECT_EQ(speed.Text(), "");
    Send(*h, {test::KeyUpEvent(vk::Escape)});
    EXPECT_EQ(speed.Text(), "4");

    // No longer than the file's words, so that what is saved reads back.
    OpenOptionsWindow(*h);
    Click(*h, speed);
    Send(*h, {test::KeyDownEvent(vk::Back)});
    const std::string longest = std::string(kMaxOptionWord - 2, '0') + "12";
    Send(*h, {Typed(longest)});
    EXPECT_EQ(speed.Text(), longest);
    Send(*h, {Typed("3")});
    EXPECT_EQ(speed.Text(), longest);
    EXPECT_EQ(o.Values().speed, longest);
    Send(*h, {test::KeyDownEvent(vk::Back)});
    EXPECT_EQ(speed.Text(), longest.substr(0, kMaxOptionWord - 1));
}

TEST_F(OptionsTest, QuittingFromTheWindowWithTheSpeedDeletedSavesAUsableSpeed) {
    auto h = Launch();
    Focus(*h, &TOptionsForm::GameSpeedEdit);
    Send(*h, {test::KeyDownEvent(vk::Back), {EventKind::Close, 0, 0, 0, 0, {}}});
    ASSERT_TRUE(h->app->terminated);
    std::string expected = kDefaultFile;
    EXPECT_EQ(test::ReadFileText(OptionsFile()), expected.replace(0, 2, "4"));
}

TEST_F(OptionsTest, SoundEditTogglesOnClickAndEnterRelease) {
    auto h = Launch();
    TOptionsForm& o = *h->app->optionsForm;
    Edit& sound = *o.SoundEdit;
    OpenOptionsWindow(*h);

    Click(*h, sound);
    EXPECT_EQ(sound.Text(), "Off");
    Click(*h, sound);
    EXPECT_EQ(sound.Text(), "On");
    Send(*h, {test::KeyDownEvent(vk::Enter)});
    EXPECT_EQ(sound.Text(), "On");
    Send(*h, {test::KeyUpEvent(vk::Enter)});
    EXPECT_EQ(sound.Text(), "Off");
    Send(*h, {test::KeyUpEvent(vk::Space)});
    EXPECT_EQ(sound.Text(), "Off");
}

TEST_F(OptionsTest, SoundEditCannotBeToggledWhenSoundsFailedToLoad) {
    HeadlessApp h(dir);
    ASSERT_TRUE(Startup(*h.app));
    h.app->sound.soundOn = false;  // as when the wave sounds could not be opened
    h.pf.ShowWindow();
    ShowForm(*h.app, *h.app->mainForm);  // the first paint
    Edit& sound = *h.app->optionsForm->SoundEdit;
    EXPECT_EQ(sound.Text(), "Off");
    EXPECT_FALSE(sound.Enabled());

    OpenOptionsWindow(h);
    Click(h, sound);
    EXPECT_EQ(sound.Text(), "Off");
    Send(h, {test::KeyUpEvent(vk::Enter)});
    EXPECT_EQ(sound.Text(), "Off");
}

class ReadOnlyOptionsTest : public OptionsTest {
protected:
    void SetUp() override {
        dir.WriteFile("Options.dat", "33\n");
        ::chmod(OptionsFile().c_str(), 0444);
        h = Launch();
        ASSERT_EQ(h->app->optionsForm->GameSpeedEdit->Text(), "33");
        h->app->optionsForm->GameSpeedEdit->SetText("44");
        h->pf.ClearBoxes();
    }
    std::unique_ptr<HeadlessApp> h;
};

TEST_F(ReadOnlyOptionsTest, AnsweredNoLeavesTheFileAlone) {
    h->pf.QueueAnswer(false);
    ShutDown(*h->app);
    ASSERT_EQ(h->pf.Boxes().size(), 2u);
    EXPECT_EQ(h->pf.Boxes()[0].kind, BoxKind::ConfirmYesNo);
    EXPECT_EQ(h->pf.Boxes()[0].text,
              "The 'Options.dat' file is read-only. Do you want to make this file write able?");
    EXPECT_EQ(h->pf.Boxes()[1].kind, BoxKind::Plain);
    EXPECT_EQ(h->pf.Boxes()[1].text, "Options settings NOT saved.");
    EXPECT_EQ(test::ReadFileText(OptionsFile()), "33\n");
}

TEST_F(ReadOnlyOptionsTest, AnsweredYesWritesTheFile) {
    h->pf.QueueAnswer(true);
    ShutDown(*h->app);
    ASSERT_EQ(h->pf.Boxes().size(), 1u);
    EXPECT_EQ(test::ReadFileText(OptionsFile()).substr(0, 3), "44\n");
    EXPECT_FALSE(h->pf.IsReadOnly(OptionsFile().string()));
}

}  // namespace
}  // namespace murk
