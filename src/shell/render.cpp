// Room rendering with the player-tile rules.
#include "shell/render.h"

#include <algorithm>

#include "base/tiles.h"
#include "shell/app.h"

namespace murk {

namespace {

// The picture for one square, turning an absent player's tile into floor first.
ImageId ChooseImage(App& app, int col, int row) {
    Game& g = app.game;
    const std::string& code = g.RoomGrid.Cell(col, row);
    if (code.empty())
        throw Failure{"Invalid tile at square (" + std::to_string(col) + ", " +
                      std::to_string(row) + "): the square is empty."};
    if (IsAbsentPlayerSquare(g, code, col, row))
        g.RoomGrid.SetCell(col, row, std::string(code::Floor));
    return app.tiles.ForCode(g.RoomGrid.Cell(col, row));
}

// Draws row by row, letting messages through before each. False when the game that was under
// way ended at one of those pumps: the menu is showing, and no more rows go over it.
bool DrawAllSquares(App& app) {
    const bool inGame = GameRunning(app);
    const auto pump = [&app, inGame] {
        ProcessMessages(app);
        return !inGame || GameRunning(app);
    };
    for (int r = 1; r <= kRoomRows; ++r) {
        if (!pump()) return false;
        for (int c = 1; c <= kRoomCols; ++c) {
            const ImageId image = ChooseImage(app, c, r);
            if (image == kNoImage) continue;  // an unknown code keeps what was shown there
            std::string error;
            if (!app.pf.DrawImage(image, kTilePixels * c, kTilePixels * r, error))
                throw Failure{error};
        }
    }
    return pump();
}

}  // namespace

bool IsAbsentPlayerSquare(const Game& g, std::string_view code, int col, int row) {
    if (code == code::Player1) {
        const Player& p = g.players[0];
        return p.dead && p.col == col && p.row == row;
    }
    if (code == code::Player2) {
        const Player& p = g.players[1];
        return (g.PlayerCount != 2 || p.dead) && p.col == col && p.row == row;
    }
    return false;
}

bool RenderRoom(App& app) {
    // A paint that arrives while the room is being drawn (the draw lets messages through)
    // asks for one more full pass instead of drawing over the one under way.
    if (app.drawingRoom) {
        app.roomRedrawPending = true;
        return true;
    }
    app.drawingRoom = true;
    try {
        do {
            app.roomRedrawPending = false;
            if (!DrawAllSquares(app)) break;
        } while (app.roomRedrawPending && !app.terminated);
        app.drawingRoom = false;
        return true;
    } catch (const Failure& f) {
        app.drawingRoom = false;
        ShowException(app, f.text);
        ShowError(app, "Error drawing to screen.");
        return false;
    }
}

bool RenderSquare(App& app, int col, int row, ImageId image) {
    std::string error;
    if (app.pf.DrawImage(image, kTilePixels * col, kTilePixels * row, error)) return true;
    ShowError(app, "Error drawing to a square on the screen.");
    return false;
}

void RedrawSquare(App& app, int col, int row) {
    std::string_view code = app.game.RoomGrid.Cell(col, row);
    if (IsAbsentPlayerSquare(app.game, code, col, row)) code = code::Floor;
    const ImageId image = app.tiles.ForCode(code);
    if (image == kNoImage) return;
    static_cast<void>(RenderSquare(app, col, row, image));
}

void RedrawSquares(App& app, int col, int row, int cols, int rows) {
    for (int r = row; r < row + rows; ++r)
        for (int c = col; c < col + cols; ++c) RedrawSquare(app, c, r);
}

Font FittedFont(App& app, Font font, const std::string& text, int width, int minPx) {
    int w = 0, h = 0;
    app.pf.TextSize(font, text, w, h);
    while (w > width && font.px > minPx) {
        font.px -= 2;
        app.pf.TextSize(font, text, w, h);
    }
    return font;
}

std::vector<std::string> WrappedLines(App& app, const Font& font, const std::string& text,
                                      int width, size_t maxLines) {
    const auto fits = [&](const std::string& line) {
        int w = 0, h = 0;
        app.pf.TextSize(font, line, w, h);
        return w <= width;
    };
    std::vector<std::string> lines;
    std::string line;
    size_t at = 0;
    while (at < text.size() && lines.size() < maxLines) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (line.empty() || fits(line + " " + word)) {
            line += (line.empty() ? "" : " ") + word;
            continue;
        }
        lines.push_back(line);
        line = word;
    }
    if (lines.size() < maxLines) {
        if (!line.empty()) lines.push_back(line);
        line.clear();
    }
    if ((at < text.size() || !line.empty()) && !lines.empty()) {
        std::string& last = lines.back();
        while (!last.empty() && !fits(last + "...")) {  // by whole UTF-8 characters
            while (last.size() > 1 && (static_cast<unsigned char>(last.back()) & 0xC0) == 0x80)
                last.pop_back();
            last.pop_back();
        }
        last += "...";
    }
    return lines;
}

void DrawTextCentred(App& app, const Font& font, Rgb colour, int x, int y, int w, int h,
                     const std::string& text) {
    int tw = 0, th = 0;
    app.pf.TextSize(font, text, tw, th);
    app.pf.DrawText(font, colour, x + (w - tw) / 2, y + (h - th) / 2, text, x, y, w, h);
}

}  // namespace murk
