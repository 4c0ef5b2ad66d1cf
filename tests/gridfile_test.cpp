// Grid files: round trips, the cell syntax, and damaged or hostile files.
#include "base/gridfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "test_support.h"

namespace murk {
namespace {

GridReadResult Parse(const std::string& text, StringGrid& g, GridHeader& h) {
    return ParseGridText(text, g, h);
}

TEST(GridFile, RoundTripKeepsCellsDimensionsWidthsAndHeader) {
    StringGrid grid(3, 2);
    grid.SetCell(0, 0, "");
    grid.SetCell(1, 0, "two words");
    grid.SetCell(2, 0, std::string(5000, 'x'));
    grid.SetCell(0, 1, "line\nbreak");
    grid.SetCell(1, 1, " padded ");
    grid.SetCell(2, 1, "A46");
    grid.SetColWidth(0, 10);
    grid.SetColWidth(1, 64);
    grid.SetColWidth(2, 3);
    GridHeader header;
    header.fill(20);
    header[3] = -7;

    test::TempGameDir dir;
    const std::string path = dir.Dir() + "grid.dat";
    ASSERT_EQ(WriteGridFile(path, grid, header), GridWriteResult::Written);

    StringGrid read;
    GridHeader readHeader{};
    ASSERT_EQ(ReadGridFile(path, read, readHeader), GridReadResult::Read);
    EXPECT_EQ(read.ColCount(), 3);
    EXPECT_EQ(read.RowCount(), 2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(read.Cell(c, r), grid.Cell(c, r)) << c << "," << r;
            EXPECT_EQ(read.ColWidth(c), grid.ColWidth(c));
        }
    EXPECT_EQ(readHeader, header);
}

TEST(GridFile, WhatIsWrittenReadsBackAsItWas) {
    // Cells that could trip the reader: nothing, separators, line breaks, digits that look like
    // a length, UTF-8, raw bytes, the longest cell; and the ints at both ends.
    const std::string texts[] = {"",
                                 " ",
                                 "  x  ",
                                 "\n",
                                 "a\r\nb",
                                 "12",
                                 "3 4",
                                 "-5",
                                 "Zo\xC3\xA9",
                                 std::string("\0\xff", 2),
                                 std::string(kMaxCellLength, '7')};
    const int ints[] = {0, -1, 20, 987654, INT_MIN, INT_MAX};
    std::mt19937 random(2024);
    const auto some = [&](const auto& from) { return from[random() % std::size(from)]; };
    for (int i = 0; i < 300; ++i) {
        const int cols = i == 0 ? kMaxGridSide : 1 + static_cast<int>(random() % 6);
        const int rows = i == 1 ? kMaxGridSide : 1 + static_cast<int>(random() % 6);
        StringGrid grid(cols, rows);
        GridHeader header;
        for (int& v : header) v = some(ints);
        for (int c = 0; c < cols; ++c) grid.SetColWidth(c, some(ints));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid.SetCell(c, r, some(texts));

        StringGrid read;
        GridHeader readHeader{};
        ASSERT_EQ(Parse(FormatGridText(grid, header), read, readHeader), GridReadResult::Read);
        ASSERT_EQ(read.ColCount(), cols);
        ASSERT_EQ(read.RowCount(), rows);
        EXPECT_EQ(readHeader, header);
        for (int c = 0; c < cols; ++c) EXPECT_EQ(read.ColWidth(c), grid.ColWidth(c));
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                ASSERT_TRUE(read.Cell(c, r) == grid.Cell(c, r)) << c << "," << r;
    }
}

TEST(GridFile, WriterRefusesWhatTheReaderWouldRefuseAndKeepsTheOldFile) {
    test::TempGameDir dir;
    dir.WriteFile("grid.dat", "old");
    const std::string path = dir.Dir() + "grid.dat";
    StringGrid longCell(1, 1);
    longCell.SetCell(0, 0, std::string(kMaxCellLength + 1, 'x'));
    StringGrid overFileBound(1, static_cast<int>(kMaxGridFileBytes / kMaxCellLength) + 1);
    for (int r = 0; r < overFileBound.RowCount(); ++r)
        overFileBound.SetCell(0, r, std::string(kMaxCellLength, 'x'));
    StringGrid noRows(1, 0);
    for (const StringGrid* grid : {&longCell, &overFileBound, &noRows}) {
        EXPECT_EQ(WriteGridFile(path, *grid, {}), GridWriteResult::Unreadable) << grid->RowCount();
        EXPECT_EQ(test::ReadFileText(path), "old");
    }
}

TEST(GridFile, WriterLayout) {
    StringGrid grid(2, 1);
    grid.SetCell(0, 0, "ab");
    grid.SetColWidth(0, 5);
    grid.SetColWidth(1, 6);
    GridHeader h;
    h.fill(20);
    EXPECT_EQ(FormatGridText(grid, h),
              "version1.0\n2 1\n5 6 \n20 20 20 20 20 20 20 20 20 20 20 20\n2 ab 0  \n");
}

TEST(GridFile, CellSyntax) {
    StringGrid g;
    GridHeader h{};
    // Any single separator character, a line break included; the text starts right after it.
    ASSERT_EQ(Parse("version1.0 4 1\n1 1 1 1\n0 0 0 0 0 0 0 0 0 0 0 0\n"
                    "3xabc 3\nd e 2\t\t\t0 ",
                    g, h),
              GridReadResult::Read);
    EXPECT_EQ(g.Cell(0, 0), "abc");
    EXPECT_EQ(g.Cell(1, 0), "d e");
    EXPECT_EQ(g.Cell(2, 0), "\t\t");
    EXPECT_EQ(g.Cell(3, 0), "");
    // Integers may be separated by any whitespace, line breaks included.
    ASSERT_EQ(Parse("version1.0\n\n1\n1\n7\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n1 z", g, h),
              GridReadResult::Read);
    EXPECT_EQ(g.Cell(0, 0), "z");
    EXPECT_EQ(h[10], 11);
}

TEST(GridFile, VersionWordMustMatchExactly) {
    StringGrid g;
    GridHeader h{};
    const std::string rest = " 1 1 1 0 0 0 0 0 0 0 0 0 0 0 0 1 a";
    EXPECT_EQ(Parse("version1.0" + rest, g, h), GridReadResult::Read);
    EXPECT_EQ(Parse("version1.1" + rest, g, h), GridReadResult::WrongVersion);
    EXPECT_EQ(Parse("Version1.0" + rest, g, h), GridReadResult::WrongVersion);
    EXPECT_EQ(Parse(std::string(200, 'v') + rest, g, h), GridReadResult::WrongVersion);
    EXPECT_EQ(Parse("", g, h), GridReadResult::WrongVersion);
}

TEST(GridFile, DamagedFilesAreReportedAndLeaveTheGridAlone) {
    const std::string head = "version1.0 1 1 5 1 2 3 4 5 6 7 8 9 10 11 12 ";
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"ends after the version", "version1.0"},
        {"ends in the widths", "version1.0 2 1 5"},
        {"ends in the header", "version1.0 1 1 5 1 2 3"},
        {"missing cell", head},
        {"cell shorter than its length", head + "10 abc"},
        {"no separator", head + "3"},
        {"negative length", head + "-3 abc"},
        {"huge length", head + "100000 x"},
        {"length overflowing an int", head + "99999999999999999999 x"},
        {"non-number length", head + "abc"},
        {"zero columns", "version1.0 0 1 0 0 0 0 0 0 0 0 0 0 0 0"},
        {"negative rows", "version1.0 1 -1 5 0 0 0 0 0 0 0 0 0 0 0 0"},
        {"absurd dimensions", "version1.0 100000 100000 5"},
        {"binary junk", std::string("version1.0 1 1 5 \0\xff\x01 junk", 24)},
    };
    for (const auto& [why, text] : damaged) {
        StringGrid g(1, 1);
        g.SetCell(0, 0, "kept");
        GridHeader h{};
        h[0] = 42;
        EXPECT_EQ(Parse(text, g, h), GridReadResult::Damaged) << why;
        EXPECT_EQ(g.Cell(0, 0), "kept") << why;
        EXPECT_EQ(h[0], 42) << why;
    }
}

TEST(GridFile, MissingFileCannotBeOpened) {
    StringGrid g;
    GridHeader h{};
    EXPECT_EQ(ReadGridFile("/nonexistent/dir/file.dat", g, h), GridReadResult::CannotOpen);
    test::TempGameDir dir;
    EXPECT_EQ(ReadGridFile(dir.Dir(), g, h), GridReadResult::CannotOpen);  // a folder
}

TEST(GridFile, ReaderPumpsEveryFifthRow) {
    StringGrid grid(1, 11);
    GridHeader h{};
    const std::string text = FormatGridText(grid, h);
    int pumps = 0;
    StringGrid read;
    ASSERT_EQ(ParseGridText(text, read, h, [&] { ++pumps; }), GridReadResult::Read);
    EXPECT_EQ(pumps, 3);  // rows 0, 5 and 10
}

TEST(GridFile, FailedWriteLeavesTheOldFile) {
    test::TempGameDir dir;
    const std::string path = dir.Dir() + "HighScores.dat";
    dir.WriteFile("HighScores.dat", "old");
    StringGrid grid(1, 1);
    GridHeader h{};
    EXPECT_EQ(WriteGridFile(dir.Dir() + "missing-folder/x.dat", grid, h),
              GridWriteResult::CannotWrite);
    ASSERT_EQ(WriteGridFile(path, grid, h), GridWriteResult::Written);
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

}  // namespace
}  // namespace murk
