// THelpForm: the help window, four pages of which one is visible at a time.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "help/helppages.h"
#include "ui/form.h"

namespace murk {

struct Desk;

class THelpForm : public Form {
public:
    // `back` is the window that Return and Escape show again.
    THelpForm(Desk& desk, Form& back);

    std::array<Panel*, kHelpPages> MenuBox{};  // MenuBox[0] is page 1
    std::array<Image*, kHelpPages> ReturnImage{}, NextImage{};

    int VisiblePage() const;  // 1..4; page 1 when the program starts
    // Hides the visible page and shows the following one, the last one followed by the first.
    void NextPage();
    // Shows the main window, then hides this one; the page stays for the next opening.
    void ReturnToMainMenu();
    // Gives each tile line the picture the game itself draws for that tile, by its code, and the
    // window its own pictures (buttons, logo), loaded the first time. Called when the window
    // opens, because the tile pictures load after the windows are made.
    void CopyTilePictures(const std::function<ImageId(std::string_view code)>& tilePicture);

    // A pad turns the page with its fire button or right (the N key) and leaves as Escape does.
    int PadKey(PadControl c, int player) const override;

protected:
    bool FormKeyUp(int key) override;

private:
    void BuildPage(int page);
    void BuildAbout(Panel& p);
    void BuildTileLines(Panel& p, int page);
    Desk& desk_;
    Form& back_;
    std::vector<std::pair<Image*, std::string_view>> tiles_;     // picture, tile code
    std::vector<std::pair<Image*, std::string_view>> pictures_;  // picture, its built-in name
    bool picturesLoaded_ = false;
};

// Splits `text` into two lines between words: the first takes as many words as fit `width` in
// `font`, the second the rest (nothing when the whole text fits).
std::pair<std::string, std::string> SplitInTwo(Platform& pf, const Font& font,
                                               const std::string& text, int width);

}  // namespace murk
