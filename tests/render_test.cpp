// Room drawing with the player-tile rules, its failure path, and loading the tile pictures.
#include "shell/render.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "base/bmp.h"
#include "base/tiles.h"
#include "level/room.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "test_support.h"

namespace murk {
namespace {

using test::HeadlessApp;
using test::TempGameDir;

class RenderTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.WriteLevel(0);
        ASSERT_TRUE(h.Start());
        ASSERT_TRUE(UnpackRoomString(test::MakeRoom("A00"), app().game.RoomGrid, error));
    }
    App& app() { return *h.app; }
    std::string Drawn(int col, int row) {
        return h.pf.ImagePath(h.pf.ImageDrawnAt(32 * col, 32 * row));
    }
    static std::string File(const char* code) { return TileFileName(TileIndex(code)); }

    TempGameDir dir;
    HeadlessApp h{dir};
    std::string error;
};

TEST_F(RenderTest, SquaresLandAtTheirPixelsWithTheirPictures) {
    Game& g = app().game;
    g.RoomGrid.SetCell(1, 1, "A32");
    g.RoomGrid.SetCell(30, 19, "A39");
    g.RoomGrid.SetCell(7, 7, "ZdS");
    g.RoomGrid.SetCell(8, 7, "Z");
    ASSERT_TRUE(RenderRoom(app()));
    EXPECT_NE(Drawn(1, 1).find(File("A32")), std::string::npos);
    EXPECT_NE(Drawn(30, 19).find("A39-BrickSolid.bmp"), std::string::npos);
    EXPECT_NE(Drawn(7, 7).find("Z-SlideField.bmp"), std::string::npos);
    EXPECT_NE(Drawn(8, 7).find("Z-SlideField.bmp"), std::string::npos);
    EXPECT_EQ(h.pf.ImageDrawnAt(0, 0), kNoImage);  // row 0 and column 0 are never drawn
}

TEST_F(RenderTest, UnknownCodeKeepsWhatWasShown) {
    Game& g = app().game;
    ASSERT_TRUE(RenderRoom(app()));
    g.RoomGrid.SetCell(4, 4, "Q99");
    ASSERT_TRUE(RenderRoom(app()));
    EXPECT_NE(Drawn(4, 4).find("A00-Floor"), std::string::npos);
    EXPECT_TRUE(h.pf.Boxes().empty());
}

TEST_F(RenderTest, DeadOrAbsentPlayersOwnSquareBecomesFloor) {
    Game& g = app().game;
    g.PlayerCount = 2;
    g.P1().col = 3, g.P1().row = 4, g.P1().dead = true;
    g.P2().col = 5, g.P2().row = 4;
    g.RoomGrid.SetCell(3, 4, "A46");
    g.RoomGrid.SetCell(9, 9, "A46");  // not player 1's own square
    g.RoomGrid.SetCell(5, 4, "A47");
    ASSERT_TRUE(RenderRoom(app()));
    EXPECT_EQ(g.RoomGrid.Cell(3, 4), "A00");
    EXPECT_NE(Drawn(3, 4).find("A00-Floor"), std::string::npos);
    EXPECT_EQ(g.RoomGrid.Cell(9, 9), "A46");
    EXPECT_NE(Drawn(9, 9).find("A46-Player1"), std::string::npos);
    EXPECT_EQ(g.RoomGrid.Cell(5, 4), "A47");  // living player 2 of a two-player game

    g.PlayerCount = 1;  // a one-player game removes player 2's start tile
    ASSERT_TRUE(RenderRoom(app()));
    EXPECT_EQ(g.RoomGrid.Cell(5, 4), "A00");
}

// Drawing reports a failure; the host the rules draw through ends the game on it.
TEST_F(RenderTest, EmptySquareIsADrawingFailureThatEndsTheGame) {
    app().game.GameStopped = false;
    ShowPlayScreen(app());
    app().game.RoomGrid.SetCell(12, 3, "");
    EXPECT_FALSE(RenderRoom(app()));
    ASSERT_EQ(h.pf.Boxes().size(), 2u);
    EXPECT_EQ(h.pf.Boxes()[0].kind, BoxKind::Exception);
    EXPECT_EQ(h.pf.Boxes()[1].text, "Error drawing to screen.");
    EXPECT_FALSE(app().game.GameStopped);

    app().DrawRoom();
    EXPECT_EQ(h.pf.Boxes().size(), 4u);
    EXPECT_TRUE(app().game.GameStopped);
    EXPECT_TRUE(app().mainForm->MenuBox->Visible());
}

TEST_F(RenderTest, SquareDrawingFailure) {
    app().game.GameStopped = false;
    EXPECT_FALSE(RenderSquare(app(), 2, 2, kNoImage));
    ASSERT_EQ(h.pf.Boxes().size(), 1u);  // no exception display here
    EXPECT_EQ(h.pf.Boxes()[0].text, "Error drawing to a square on the screen.");
    EXPECT_FALSE(app().game.GameStopped);

    app().DrawSquare(2, 2, "Q99");  // a code without a picture
    EXPECT_EQ(h.pf.Boxes().size(), 2u);
    EXPECT_TRUE(app().game.GameStopped);
}

// A game folder with real picture files, one of them possibly missing or damaged, and a
// program about to start in it that reads them for real.
struct RealObjects {
    explicit RealObjects(const std::string& missing, const std::string& damaged = "") {
        dir.WriteLevel(0);
        std::vector<uint32_t> pixels(32 * 32, 0x203040);
        const std::string bmp = EncodeBmp24(32, 32, pixels.data(), 32);
        for (int i = 0; i < kTileCount; ++i) {
            const std::string name = TileFileName(i);
            if (name != missing)
                dir.WriteFile("Objects/" + name, name == damaged ? "BM not really" : bmp);
        }
        h.pf.SetFakeImages(false);
    }
    const TileStore& Tiles() const { return h.app->tiles; }
    TempGameDir dir;
    HeadlessApp h{dir};
};

TEST(TileStore, LoadsAllPicturesOrStopsAtTheFirstMissing) {
    {
        RealObjects o("");
        ASSERT_TRUE(o.h.Start());
        for (ImageId id : o.Tiles().images) EXPECT_NE(id, kNoImage);
        EXPECT_NE(o.Tiles().ForCode("A39"), o.Tiles().ForCode("A32"));
        EXPECT_EQ(o.Tiles().ForCode("Zxy"), o.Tiles().images[kSlideFieldIndex]);
    }
    {
        RealObjects o("Z-SlideField.bmp");
        EXPECT_FALSE(o.h.Start());
        EXPECT_TRUE(o.h.app->terminated);
        for (int i = 0; i < kSlideFieldIndex; ++i) EXPECT_NE(o.Tiles().images[i], kNoImage);
        EXPECT_EQ(o.Tiles().images[kSlideFieldIndex], kNoImage);
        const auto& boxes = o.h.pf.Boxes();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].kind, BoxKind::Exception);
        EXPECT_NE(boxes[0].text.find("Z-SlideField.bmp"), std::string::npos);
        EXPECT_EQ(boxes[1].text,
                  "Error loading objects. Please make sure the objects directory exists and "
                  "that it is in the same directory as this program.");
    }
    {
        RealObjects o("", "A10-HorseP.bmp");  // a damaged picture counts as missing
        EXPECT_FALSE(o.h.Start());
        EXPECT_NE(o.Tiles().images[9], kNoImage);
        EXPECT_EQ(o.Tiles().images[10], kNoImage);
        EXPECT_EQ(o.Tiles().images[11], kNoImage);
    }
}

TEST(TileCatalogue, CodesNamesAndFamilies) {
    EXPECT_EQ(TileCatalogue().size(), 132u);
    EXPECT_EQ(TileIndex("A00"), 0);
    EXPECT_EQ(TileIndex("B30"), 130);
    EXPECT_EQ(TileIndex("B31"), -1);
    EXPECT_EQ(TileIndex("A0"), -1);
    EXPECT_EQ(TileIndex(""), -1);
    EXPECT_EQ(TileIndex("a00"), -1);
    EXPECT_EQ(TileIndex("Z"), kSlideFieldIndex);
    EXPECT_EQ(TileFileName(TileIndex("A39")), "A39-BrickSolid.bmp");
    EXPECT_EQ(TileFileName(TileIndex("A32")), "A32-BrickSolid.bmp");
    EXPECT_EQ(TileFileName(TileIndex("B28")), "B28-PlayerTransport.bmp");
    EXPECT_EQ(TileFileName(kSlideFieldIndex), "Z-SlideField.bmp");
    const char* set3[] = {"A96", "A97", "A98", "A99", "B00", "B01", "B02", "B03"};
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(FamilyCode("A96", k), set3[k - 1]);
    EXPECT_EQ(FamilyCode("A48", 8), "A55");
    EXPECT_EQ(FamilyCode("A48", 9), "");
    // Every file name is distinct and every code maps back to its own index.
    std::set<std::string> names;
    for (int i = 0; i < kTileCount; ++i) {
        names.insert(TileFileName(i));
        EXPECT_EQ(TileIndex(TileCodeAt(i)), i);
    }
    EXPECT_EQ(names.size(), 132u);
}

}  // namespace
}  // namespace murk
