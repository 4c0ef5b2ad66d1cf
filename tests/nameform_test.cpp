// Name-entry dialog: defaults, scripted names, typing over the selection, the keys that close it.
#include "scores/nameform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "shell/mainform.h"
#include "test_support.h"
#include "ui/style.h"

namespace murk {
namespace {

class NameFormTest : public ::testing::Test, protected test::StartedProgram {
protected:
    NameFormTest() : StartedProgram(1) {}

    TNameForm& dialog() { return *app().nameForm; }

    // Runs the real dialog (as in the game, not the scripted shortcut) over these events.
    std::string Ask(const std::string& defaultText, const std::vector<Event>& events,
                    Rgb colour = style::kGreen) {
        for (const Event& e : events) h.pf.QueueEvent(e);
        h.pf.SetAnswerPrompts(false);
        const std::string name = dialog().AskName(defaultText, colour);
        h.pf.SetAnswerPrompts(true);
        return name;
    }
    static Event Typed(const std::string& text) { return {EventKind::Text, 0, 0, 0, 0, text}; }
    static Event Down(int key) { return test::KeyDownEvent(key); }
    static Event Up(int key) { return test::KeyUpEvent(key); }
};

TEST_F(NameFormTest, ScriptedRunsTakeQueuedNamesInOrderThenTheDefault) {
    h.pf.QueueTyping("Ada");
    h.pf.QueueTyping("");
    EXPECT_EQ(dialog().AskName("Player 1", style::kGreen), "Ada");
    EXPECT_EQ(dialog().AskName("Player 2", style::kTeal), "");
    EXPECT_EQ(dialog().AskName("Player 2", style::kTeal), "Player 2");
    EXPECT_EQ(h.pf.PendingTyping(), 0u);
    EXPECT_FALSE(dialog().Shown());
}

TEST_F(NameFormTest, EnterAtOnceKeepsTheDefaultAndTheEnterKeyInsertsNothing) {
    EXPECT_EQ(Ask("Player 2", {Down(vk::Enter), Up(vk::Enter)}), "Player 2");
    EXPECT_FALSE(dialog().Shown());
    EXPECT_EQ(app().shownForms.back(),
              static_cast<Form*>(app().mainForm.get()));  // keys go below again
}

TEST_F(NameFormTest, TypingReplacesTheSelectedDefault) {
    EXPECT_EQ(Ask("Player 1", {Typed("Z"), Typed("o"), Typed("e"), Up(vk::Enter)}), "Zoe");
    // The dialog is reused: the next default is selected again, whatever was typed before.
    EXPECT_EQ(Ask("Player 2", {Typed("Q"), Up(vk::Enter)}), "Q");
}

TEST_F(NameFormTest, EverythingDeletedGivesAnEmptyName) {
    EXPECT_EQ(Ask("Player 1", {Down(vk::Back), Up(vk::Back), Up(vk::Enter)}), "");
}

TEST_F(NameFormTest, AKeyHeldSinceTheGameLeavesTheDefaultSelected) {
    h.pf.QueueEvent(Down(vk::Right));
    ProcessMessages(app());  // pressed for the main window, then held as the dialog opens
    EXPECT_EQ(Ask("Player 1", {Down(vk::Right), Down(vk::Right), Up(vk::Right), Typed("Tess"),
                               Down(vk::Home), Typed("X"), Up(vk::Enter)}),
              "XTess");
}

TEST_F(NameFormTest, EscapeAcceptsTheTextAsTyped) {
    EXPECT_EQ(Ask("Player 1", {Typed("Bo"), Down(vk::Escape), Up(vk::Escape)}), "Bo");
}

TEST_F(NameFormTest, ALongNameIsKeptWhole) {
    const std::string longName(200, 'w');
    EXPECT_EQ(Ask("Player 1", {Typed(longName), Up(vk::Enter)}), longName);
}

TEST_F(NameFormTest, TheHeadingIsOneCentredLineOfBoldBlue) {
    const std::string heading = "Congratulations!!! You have a high score.";
    std::vector<const Label*> top;
    for (const auto& w : dialog().Root().Children())
        if (auto* label = dynamic_cast<const Label*>(w.get()); label && label->Bounds().y < 150)
            top.push_back(label);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->Colour(), style::kBlue);
    EXPECT_EQ(top[0]->TextFont().face, FontFace::SansBold);
    int tw = 0, th = 0;
    h.pf.TextSize(top[0]->TextFont(), heading, tw, th);
    const Rect a = dialog().Area();
    dialog().SetShown(true);
    dialog().PaintAll();
    EXPECT_EQ(h.pf.TextIn(a.x + (a.w - tw) / 2, a.y, 1, 150), heading);  // centred, one line
    EXPECT_LT(tw, a.w - 20);
    dialog().SetShown(false);
}

TEST_F(NameFormTest, OkClosesAndPrintScreenCapturesTheDialog) {
    h.pf.SetAnswerPrompts(false);
    // The OK button is only on screen once the dialog shows, so the click is queued for then.
    h.pf.QueueKeyUp(vk::PrintScreen);
    const Rect ok = dialog().OkImage->Bounds();
    const Rect area = dialog().Area();
    const int x = area.x + ok.x + ok.w / 2, y = area.y + ok.y + ok.h / 2;
    h.pf.QueueEvent({EventKind::MouseDown, 0, 1, x, y, {}});
    h.pf.QueueEvent({EventKind::MouseUp, 0, 1, x, y, {}});
    EXPECT_EQ(dialog().AskName("Player 1", style::kGreen), "Player 1");
    h.pf.SetAnswerPrompts(true);

    const std::string bmp = test::ReadFileText(dir.Path() / "Capture000.bmp");
    ASSERT_GE(bmp.size(), 26u);
    auto le32 = [&](size_t at) {
        return static_cast<int>(static_cast<uint8_t>(bmp[at]) | static_cast<uint8_t>(bmp[at + 1])
                                                                    << 8);
    };
    EXPECT_EQ(le32(18), 482);
    EXPECT_EQ(le32(22), 413);
}

TEST_F(NameFormTest, TheDialogEndsWhenTheProgramShutsDown) {
    EXPECT_EQ(Ask("Player 1", {{EventKind::Close, 0, 0, 0, 0, {}}}), "Player 1");
    EXPECT_TRUE(app().terminated);
}

}  // namespace
}  // namespace murk
