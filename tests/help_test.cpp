// Help window: paging with wrap-around, the page kept between openings, keys, tile pictures.
#include <gtest/gtest.h>

#include <filesystem>

#include "help/helpform.h"
#include "shell/mainform.h"
#include "test_support.h"

namespace murk {
namespace {

constexpr int kN = 78;

class HelpTest : public ::testing::Test, protected test::StartedProgram {
protected:
    HelpTest() : StartedProgram(1) {}

    THelpForm& help() { return *app().helpForm; }
    void KeyUp(int key) {
        h.pf.QueueKeyUp(key);
        ProcessMessages(app());
    }
    int VisiblePages() {
        int n = 0;
        for (Panel* p : help().MenuBox) n += p->Visible() ? 1 : 0;
        return n;
    }
    // The picture standing on the same line as this text on `page` (a wrapped text is split
    // over the labels that follow its picture).
    ImageId PictureBeside(int page, const std::string& text) {
        const Image* picture = nullptr;
        std::string line;
        for (const auto& w : help().MenuBox[static_cast<size_t>(page - 1)]->Children()) {
            if (auto* image = dynamic_cast<Image*>(w.get())) {
                if (picture && line == text) return picture->Picture();
                picture = image;
                line.clear();
            } else if (auto* label = dynamic_cast<Label*>(w.get())) {
                line += (line.empty() ? "" : " ") + label->Text();
            }
        }
        return kNoImage;
    }
};

TEST_F(HelpTest, NextWrapsFromTheLastPageToTheFirst) {
    KeyUp(vk::F12);
    ASSERT_TRUE(help().Shown());
    EXPECT_FALSE(app().mainForm->Shown());
    EXPECT_EQ(help().VisiblePage(), 1);
    for (int expected : {2, 3, 4, 1}) {
        KeyUp(kN);
        EXPECT_EQ(help().VisiblePage(), expected);
        EXPECT_EQ(VisiblePages(), 1);
    }
    test::QueueClick(h.pf, *help().NextImage[0]);
    ProcessMessages(app());
    EXPECT_EQ(help().VisiblePage(), 2);
}

TEST_F(HelpTest, TheLastPageShownIsWhereHelpReopens) {
    KeyUp(vk::F12);
    KeyUp(kN);
    KeyUp(kN);
    KeyUp(vk::Escape);
    EXPECT_FALSE(help().Shown());
    EXPECT_TRUE(app().mainForm->Shown());
    EXPECT_TRUE(h.pf.Boxes().empty());  // Escape did not reach the menu's quit question
    KeyUp(vk::F12);
    EXPECT_EQ(help().VisiblePage(), 3);
    test::QueueClick(h.pf, *help().ReturnImage[2]);
    ProcessMessages(app());
    EXPECT_TRUE(app().mainForm->Shown());
}

TEST_F(HelpTest, OtherKeysDoNothing) {
    KeyUp(vk::F12);
    for (int key : {vk::Enter, vk::F11, vk::F2, int{'M'}, vk::Space}) KeyUp(key);
    EXPECT_TRUE(help().Shown());
    EXPECT_EQ(help().VisiblePage(), 1);
    EXPECT_EQ(app().shownForms.back(), static_cast<Form*>(&help()));
}

TEST_F(HelpTest, TileLinesShowTheGamesOwnPictures) {
    EXPECT_EQ(help().ReturnImage[0]->Picture(), kNoImage) << "loaded before help is ever opened";
    KeyUp(vk::F12);
    // Its own pictures come with the first opening, each once.
    const ImageId button = help().ReturnImage[0]->Picture();
    EXPECT_NE(button, kNoImage);
    EXPECT_EQ(help().ReturnImage[3]->Picture(), button);
    const ImageId a33 = app().tiles.ForCode("A33");
    ASSERT_NE(a33, kNoImage);
    EXPECT_EQ(
        PictureBeside(
            3, "Shootable wall. Causes chain reaction for similar walls that are next to it."),
        a33);
    EXPECT_EQ(PictureBeside(3, "Shootable wall."), app().tiles.ForCode("A36"));
    EXPECT_EQ(PictureBeside(4, "Slide field. Transports player to a set position in the room."),
              app().tiles.ForCode("Z"));
    EXPECT_EQ(PictureBeside(2, "Solid wall. Virtually unpassable."), app().tiles.ForCode("A32"));
    for (int page = 2; page <= 4; ++page)
        for (const HelpLine& line : HelpTileLines(page))
            EXPECT_NE(app().tiles.ForCode(line.code), kNoImage) << line.code;
}

// A text too long for its line in the usual type goes into the smaller one, as many words on
// the first line as fit there and the rest on the second.
TEST_F(HelpTest, LongTextsFillTheFirstLineBeforeTheSecond) {
    const Font usual{FontFace::SansBold, 17}, small{FontFace::SansBold, 13};
    auto width = [&](const std::string& text, const Font& font) {
        int w = 0, hgt = 0;
        h.pf.TextSize(font, text, w, hgt);
        return w;
    };
    const std::string text = HelpTileLines(2).back().text;  // the random producer's long line
    const auto [first, second] = SplitInTwo(h.pf, small, text, 712);
    EXPECT_EQ(first + " " + second, text);
    EXPECT_LE(width(first, small), 712);
    EXPECT_GT(width(first + " " + second.substr(0, second.find(' ')), small), 712);
    EXPECT_EQ(SplitInTwo(h.pf, small, "Short.", 712).second, "");

    // Too long for the usual type, not for the smaller one: one line, nothing on a second.
    const std::string fits = HelpTileLines(3)[1].text;
    ASSERT_GT(width(fits, usual), 712);
    ASSERT_LE(width(fits, small), 712);
    EXPECT_EQ(SplitInTwo(h.pf, small, fits, 712), std::make_pair(fits, std::string()));
    int labels = 0;
    for (const auto& w : help().MenuBox[2]->Children())
        if (auto* label = dynamic_cast<Label*>(w.get())) {
            EXPECT_FALSE(label->Text().empty());
            labels += label->Text() == fits ? 1 : 0;
        }
    EXPECT_EQ(labels, 1);
}

TEST_F(HelpTest, PrintScreenCapturesTheHelpWindow) {
    KeyUp(vk::F12);
    KeyUp(vk::PrintScreen);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "Capture000.bmp"));
    EXPECT_TRUE(help().Shown());
}

}  // namespace
}  // namespace murk
