#include "logic/CharMapGeometry.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

void ExpectMetrics(int cellSize, int margin, int labelHeight, int glyphHeight) {
    const CellMetrics m = CellMetricsFor(cellSize);
    EXPECT_EQ(m.margin, margin) << "cell size " << cellSize;
    EXPECT_EQ(m.labelHeight, labelHeight) << "cell size " << cellSize;
    EXPECT_EQ(m.glyphHeight, glyphHeight) << "cell size " << cellSize;
}

void ExpectOrigin(CellOrigin actual, int32_t left, int32_t top) {
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
}

TEST(CharMapGeometry, Constants) {
    EXPECT_EQ(kLastCode - kFirstCode + 1, kCellCount);
    EXPECT_EQ(kMapCellSize, 70);
}

TEST(CellMetricsFor, ScalesAndRoundsHalfToEven) {
    ExpectMetrics(70, 2, 13, 42);
    ExpectMetrics(25, 1, 4, 15);   // 0.75, exactly 4.5, 15
    ExpectMetrics(75, 2, 14, 45);  // 2.25, exactly 13.5, 45
    ExpectMetrics(342, 10, 62, 205);
    ExpectMetrics(50, 2, 9, 30);    // margin exactly 1.5
    ExpectMetrics(150, 4, 27, 90);  // margin exactly 4.5
    ExpectMetrics(0, 0, 0, 0);
}

TEST(MapRowCount, IsTheCeilingOfCellsPerColumns) {
    EXPECT_EQ(MapRowCount(1), 224);
    EXPECT_EQ(MapRowCount(5), 45);
    EXPECT_EQ(MapRowCount(6), 38);
    EXPECT_EQ(MapRowCount(7), 32);
    EXPECT_EQ(MapRowCount(8), 28);
    EXPECT_EQ(MapRowCount(9), 25);
    EXPECT_EQ(MapRowCount(14), 16);
    EXPECT_EQ(MapRowCount(16), 14);
    EXPECT_EQ(MapRowCount(223), 2);
    EXPECT_EQ(MapRowCount(224), 1);
    EXPECT_EQ(MapRowCount(255), 1);
}

TEST(MapRowCount, FewerThanOneColumnCountsAsOne) {
    EXPECT_EQ(MapRowCount(0), 224);
    EXPECT_EQ(MapRowCount(-3), 224);
}

TEST(MapColumnsForWidth, FitsWholeCellsAfterTheFrame) {
    EXPECT_EQ(MapColumnsForWidth(400, 70), 5);
    EXPECT_EQ(MapColumnsForWidth(469, 70), 5);
    EXPECT_EQ(MapColumnsForWidth(470, 70), 6);
    EXPECT_EQ(MapColumnsForWidth(540, 70), 7);
    EXPECT_EQ(MapColumnsForWidth(609, 70), 7);
    EXPECT_EQ(MapColumnsForWidth(610, 70), 8);
    EXPECT_EQ(MapColumnsForWidth(680, 70), 9);
    EXPECT_EQ(MapColumnsForWidth(749, 70), 9);
    EXPECT_EQ(MapColumnsForWidth(150, 25), 4);
}

TEST(MapColumnsForWidth, StaysWithinOneTo255) {
    EXPECT_EQ(MapColumnsForWidth(17969, 70), 255);
    EXPECT_EQ(MapColumnsForWidth(17970, 70), 255);  // 256 columns
    EXPECT_EQ(MapColumnsForWidth(20000, 70), 255);
    EXPECT_EQ(MapColumnsForWidth(2147483647, 70), 255);
    EXPECT_EQ(MapColumnsForWidth(119, 70), 1);
    EXPECT_EQ(MapColumnsForWidth(0, 70), 1);
    EXPECT_EQ(MapColumnsForWidth(-100, 70), 1);
    EXPECT_EQ(MapColumnsForWidth(-2147483647 - 1, 70), 1);
    EXPECT_EQ(MapColumnsForWidth(400, 0), 255);
}

TEST(CellOriginFor, PlacesCellsRowByRow) {
    ExpectOrigin(CellOriginFor(32, 70, 5, 0, 0), 0, 0);
    ExpectOrigin(CellOriginFor(36, 70, 5, 0, 0), 280, 0);
    ExpectOrigin(CellOriginFor(37, 70, 5, 0, 0), 0, 70);
    ExpectOrigin(CellOriginFor(65, 70, 5, 10, 20), 10 + 3 * 70, 20 + 6 * 70);
    ExpectOrigin(CellOriginFor(255, 70, 5, 0, 0), 3 * 70, 44 * 70);
    ExpectOrigin(CellOriginFor(255, 70, 224, -5, -7), 223 * 70 - 5, -7);
    ExpectOrigin(CellOriginFor(255, 70, 255, 0, 0), 223 * 70, 0);
}

TEST(CenteredOffset, TruncatesTowardZero) {
    EXPECT_EQ(CenteredOffset(70, 42), 14);
    EXPECT_EQ(CenteredOffset(70, 41), 14);
    EXPECT_EQ(CenteredOffset(0, 3), -1);
    EXPECT_EQ(CenteredOffset(10, 13), -1);
    EXPECT_EQ(CenteredOffset(10, 14), -2);
    EXPECT_EQ(CenteredOffset(2147483647, -2147483647 - 1), 2147483647);
    EXPECT_EQ(CenteredOffset(-2147483647 - 1, 2147483647), -2147483647);
}

TEST(CodeAtPoint, CountsCellsRowByRow) {
    EXPECT_EQ(CodeAtPoint(0, 0, 70, 5), 32);
    EXPECT_EQ(CodeAtPoint(69, 69, 70, 5), 32);
    EXPECT_EQ(CodeAtPoint(70, 0, 70, 5), 33);
    EXPECT_EQ(CodeAtPoint(140, 70, 70, 5), 39);
    EXPECT_EQ(CodeAtPoint(210, 44 * 70, 70, 5), 255);
    EXPECT_EQ(CodeAtPoint(280, 44 * 70, 70, 5), 256);
    EXPECT_EQ(CodeAtPoint(0, 2147483647, 1, 255), 2147483647);
}

TEST(IsCharCell, CellsOfTheGridOnly) {
    EXPECT_TRUE(IsCharCell(0, 0, 70, 5));
    EXPECT_TRUE(IsCharCell(140, 70, 70, 5));
    EXPECT_TRUE(IsCharCell(210, 44 * 70, 70, 5));
    EXPECT_TRUE(IsCharCell(349, 43 * 70 + 69, 70, 5));
    EXPECT_FALSE(IsCharCell(280, 44 * 70, 70, 5));  // code 256
    EXPECT_FALSE(IsCharCell(0, 45 * 70, 70, 5));    // below the last row
    EXPECT_FALSE(IsCharCell(350, 0, 70, 5));        // right of the grid
    EXPECT_FALSE(IsCharCell(-1, 0, 70, 5));
    EXPECT_FALSE(IsCharCell(0, -1, 70, 5));
    EXPECT_FALSE(IsCharCell(0, 2147483647, 1, 255));
}

TEST(HighlightCellOrigin, SnapsUnsigned16BitCoordinatesToTheCell) {
    ExpectOrigin(HighlightCellOrigin(0, 0, 70), 0, 0);
    ExpectOrigin(HighlightCellOrigin(69, 70, 70), 0, 70);
    ExpectOrigin(HighlightCellOrigin(145, 290, 70), 140, 280);
    ExpectOrigin(HighlightCellOrigin(-1, -1, 70), 65520, 65520);  // 65535
    ExpectOrigin(HighlightCellOrigin(0x10000 + 75, 0x20000 + 5, 70), 70, 0);
}

TEST(CellLabel, NamesTheCode) {
    EXPECT_EQ(CellLabel(65), "字符 #65");
    EXPECT_EQ(CellLabel(32), "\xD7\xD6\xB7\xFB #32");
    EXPECT_EQ(CellLabel(255), "字符 #255");
}

TEST(MovedCode, StopsAtTheGridsEdges) {
    using M = CellMove;
    const struct {
        int code;
        M move;
        int columns;
        int expected;
    } cases[] = {
        {33, M::Left, 5, 32},    {32, M::Left, 5, 32},     {37, M::Left, 5, 37},  // row start
        {32, M::Right, 5, 33},   {36, M::Right, 5, 36},    {254, M::Right, 5, 255},
        {255, M::Right, 5, 255},  // last cell
        {255, M::Right, 7, 255},  // a full last row ends at its last column
        {37, M::Up, 5, 32},      {36, M::Up, 5, 36},       {255, M::Up, 5, 250},
        {32, M::Down, 5, 37},    {250, M::Down, 5, 255},   {251, M::Down, 5, 251},  // no cell
        {248, M::Down, 7, 255},  {249, M::Down, 7, 249},   {100, M::First, 5, 32},
        {100, M::Last, 5, 255},  {0, M::Right, 5, 32},     {0, M::Down, 5, 32},   // none yet
        {0, M::Last, 5, 255},    {0, M::First, 5, 32},     {40, M::Down, 0, 41},  // one column
        {40, M::Right, 0, 40},   {200, M::Down, 255, 200}, {200, M::Left, 255, 199},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MovedCode(c.code, c.move, c.columns), c.expected)
            << c.code << " move " << static_cast<int>(c.move) << " columns " << c.columns;
}

TEST(PositionShowing, ScrollsOnlyAsFarAsNeeded) {
    const struct {
        int32_t top, height, position, visible, expected;
    } cases[] = {
        {140, 70, 100, 300, 100},  // shows whole
        {70, 70, 100, 300, 70},    // above the view
        {420, 70, 100, 300, 190},  // below it: its bottom at the view's bottom
        {330, 70, 100, 300, 100},  // ends exactly at the bottom
        {0, 70, 0, 50, 0},         // taller than the view: its top
        {350, 70, 0, 50, 350},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PositionShowing(c.top, c.height, c.position, c.visible), c.expected)
            << c.top << " in " << c.position << "+" << c.visible;
}

}  // namespace
}  // namespace logic
