// Edits: whole characters at a caret, the focus selection, the length limit, and a long text
// painted a bounded slice at a time.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/headless_platform.h"
#include "ui/form.h"

namespace murk {
namespace {

struct MeasuringPlatform : HeadlessPlatform {
    void TextSize(const Font& font, const std::string& text, int& w, int& h) override {
        longest = std::max(longest, text.size());
        HeadlessPlatform::TextSize(font, text, w, h);
    }
    size_t longest = 0;  // the longest text measured
};

class EditTest : public ::testing::Test {
protected:
    EditTest() { form.SetShown(true); }
    // Gives the focus afresh, as a window does when it opens: everything is selected.
    void Focus(const std::string& text) {
        edit.SetText(text);
        form.SetFocus(nullptr);
        form.SetFocus(&edit);
    }
    void Press(std::initializer_list<int> keys) {
        for (int k : keys) form.KeyDown(k);
    }
    MeasuringPlatform pf;
    Form form{pf, {0, 0, kCanvasWidth, kCanvasHeight}, {0, 0, 0}};
    // The text field inside is 188 x 26 at (16, 12); this font takes 12 pixels a byte here.
    Edit& edit = *form.Root().Add<Edit>(Rect{10, 10, 200, 30}, "", Font{FontFace::SansBold, 20});
};

TEST_F(EditTest, KeysEditWholeCharactersAtTheCaret) {
    Focus("");
    for (const char* typed : {"Z", "o", "é"}) form.TextTyped(typed);
    Press({vk::Back});
    EXPECT_EQ(edit.Text(), "Zo");
    form.TextTyped("€𝄞x");
    Press({vk::Left, vk::Left, vk::Back, vk::Del});
    EXPECT_EQ(edit.Text(), "Zox");
    Press({vk::Home, vk::Left, vk::Del, vk::Right});
    form.TextTyped("<");
    Press({vk::End, vk::Right, vk::Back, vk::Left});
    form.TextTyped("ß");
    EXPECT_EQ(edit.Text(), "oß<");
    EXPECT_EQ(edit.Caret(), 3u);
}

TEST_F(EditTest, FocusSelectsEverythingUntilTheCaretMoves) {
    const struct {
        int key;  // 0: none
        const char* typed;
        const char* expected;
    } cases[] = {{0, "Q", "Q"},         {vk::Back, "", ""},      {vk::Del, "", ""},
                 {vk::End, "Q", "abQ"}, {vk::Right, "Q", "abQ"}, {vk::Home, "Q", "Qab"},
                 {vk::Left, "Q", "Qab"}};
    for (const auto& c : cases) {
        Focus("ab");
        if (c.key) Press({c.key});
        if (*c.typed) form.TextTyped(c.typed);
        EXPECT_EQ(edit.Text(), c.expected) << c.key;
    }
}

TEST_F(EditTest, AByteThatStartsNoCharacterIsOneCharacter) {
    // Each text with where Right stops, from its start.
    const std::pair<std::string, std::vector<size_t>> cases[] = {
        {"a\xC3", {1, 2}},                 // cut short
        {"\xE2\x82x", {1, 2, 3}},          // cut short before a letter
        {"\xC3\xA9\x80", {2, 3}},          // a stray continuation after a whole character
        {"\xED\xA0\x80", {1, 2, 3}},       // a surrogate
        {"\xC0\xAF", {1, 2}},              // an overlong form
        {"\xF0\x9D\x84\x9E\xFF", {4, 5}},  // four bytes, then a byte UTF-8 never holds
    };
    for (const auto& [text, stops] : cases) {
        Focus(text);
        Press({vk::Home});
        for (size_t stop : stops) {
            Press({vk::Right});
            EXPECT_EQ(edit.Caret(), stop) << testing::PrintToString(text);
        }
        Press({vk::Back});
        EXPECT_EQ(edit.Text(), text.substr(0, stops[stops.size() - 2]));
    }
}

TEST_F(EditTest, TypedTextStopsAtTheMaximumLengthOnACharacterBoundary) {
    edit.SetMaxLength(5);
    Focus("");
    form.TextTyped("ab");
    form.TextTyped("éé");
    EXPECT_EQ(edit.Text(), "abé");
    Press({vk::Home});
    form.TextTyped("€");  // three bytes where one is left
    form.TextTyped("xy");
    EXPECT_EQ(edit.Text(), "xabé");
    Focus("old");
    form.TextTyped("0123456789");
    EXPECT_EQ(edit.Text(), "01234");
}

TEST_F(EditTest, ALongTextIsPaintedAroundTheCaretInBoundedSlices) {
    Focus("");
    std::string typed;
    while (typed.size() < 100000) {
        const std::string chunk = std::to_string(typed.size()) + " ";
        form.TextTyped(chunk);
        typed += chunk;
    }
    EXPECT_EQ(edit.Text(), typed);
    const auto shown = [&] { return pf.TextIn(16, 12, 188, 26); };
    // The caret is black on the white field, `bytes` characters into what is shown.
    const auto caretAfter = [&](size_t bytes) {
        return pf.Pixel(16 + 12 * static_cast<int>(bytes), 20) == 0;
    };
    EXPECT_TRUE(typed.ends_with(shown()) && caretAfter(shown().size())) << shown();
    Press({vk::Home});
    EXPECT_TRUE(typed.starts_with(shown()) && caretAfter(0)) << shown();
    Press({vk::End, vk::Left, vk::Left});
    EXPECT_TRUE(typed.ends_with(shown()) && caretAfter(shown().size() - 2)) << shown();
    EXPECT_LT(pf.longest, 1000u);
}

}  // namespace
}  // namespace murk
