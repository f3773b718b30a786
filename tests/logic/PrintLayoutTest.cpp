#include "logic/PrintLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace logic {
namespace {

struct Slot {
    int32_t row, column, page;
    bool operator==(const Slot&) const = default;
};

// The slots of the first entries, as the printout fills them.
std::vector<Slot> Walk(int32_t columns, int32_t height, int entries) {
    const FontListMetrics m = FontListPageMetrics(600, 4800, columns);
    PrintCursor cursor;
    std::vector<Slot> slots;
    for (int i = 0; i < entries; ++i) {
        AdvanceCursor(cursor, columns, m, height);
        slots.push_back({cursor.row, cursor.column, cursor.page});
    }
    return slots;
}

TEST(PrintLayout, MetricsAt600PixelsPerInch) {
    const FontListMetrics one = FontListPageMetrics(600, 4800, 1);
    EXPECT_EQ((std::vector{one.top, one.headerHeight, one.entryHeight, one.pitch, one.columnWidth,
                           one.sampleOffset}),
              (std::vector{84, 78, 114, 126, 2400, 2400}));
    const FontListMetrics two = FontListPageMetrics(600, 4800, 2);
    EXPECT_EQ((std::vector{two.top, two.headerHeight, two.entryHeight, two.pitch, two.columnWidth,
                           two.sampleOffset}),
              (std::vector{84, 78, 57, 63, 2400, 1200}));
}

TEST(PrintLayout, OneColumnLeavesRowZeroEmptyAndHoldsFiftyEntries) {
    const std::vector<Slot> slots = Walk(1, 6600, 52);
    EXPECT_EQ(slots[0], (Slot{1, 0, 1}));
    EXPECT_EQ(slots[49], (Slot{50, 0, 1}));  // y = 50 * 126 + 84 = 6384
    EXPECT_EQ(slots[50], (Slot{1, 0, 2}));
}

TEST(PrintLayout, TwoColumnsStartRightOfRowZeroAndHold204Entries) {
    const std::vector<Slot> slots = Walk(2, 6600, 206);
    EXPECT_EQ(slots[0], (Slot{0, 1, 1}));
    EXPECT_EQ(slots[1], (Slot{1, 0, 1}));
    EXPECT_EQ(slots[2], (Slot{1, 1, 1}));
    EXPECT_EQ(slots[203], (Slot{102, 0, 1}));  // (10, 6510), alone on its row
    EXPECT_EQ(slots[204], (Slot{0, 1, 2}));
}

// The plan the options dialog shows is what the printout does: pages counted by walking the cursor
// over every entry, entries per page by the slots of the first page.
TEST(PrintLayout, PlanEqualsTheWalkedPrintout) {
    struct Case {
        int32_t dpi, height, columns, entries, perPage;
    };
    for (const Case& c :
         {Case{600, 6600, 1, 101, 50}, Case{600, 6600, 2, 409, 204}, Case{300, 3507, 1, 55, 54},
          Case{300, 3507, 2, 215, 214}, Case{300, 3508, 2, 214, 214}, Case{72, 842, 2, 300, 206},
          Case{96, 1123, 1, 1, 54}, Case{1200, 7000, 1, 77, 26},
          // Not one row fits: every entry breaks a page.
          Case{600, 260, 1, 2, 0}, Case{600, 100, 1, 3, 0}, Case{600, 100, 2, 3, 0},
          // No pitch: nothing ever breaks.
          Case{0, 3508, 1, 4, INT32_MAX}}) {
        SCOPED_TRACE(::testing::Message()
                     << c.dpi << " dpi, " << c.height << " high, " << c.columns << " columns");
        const FontListMetrics m = FontListPageMetrics(c.dpi, 2480, c.columns);
        const FontListPlan plan = PlanFontList(c.entries, c.columns, m, c.height);
        PrintCursor cursor;
        int32_t onFirstPage = 0;
        for (int i = 0; i < c.entries; ++i) {
            AdvanceCursor(cursor, c.columns, m, c.height);
            if (cursor.page == 1) ++onFirstPage;
        }
        EXPECT_EQ(plan.pages, cursor.page);
        EXPECT_EQ(plan.entriesPerPage, c.perPage);
        if (cursor.page > 1) {
            EXPECT_EQ(plan.entriesPerPage, onFirstPage);
        }
    }
    EXPECT_EQ(PlanFontList(0, 1, FontListPageMetrics(300, 2480, 1), 3507).pages, 1);
}

// The whole grid fits the page under the heading; a portrait page keeps a width-filling cell.
TEST(PrintLayout, CharMapGridFitsThePage) {
    struct Case {
        int32_t width, height, heading, columns, cellSize;
    };
    for (const Case& c : {Case{4800, 6600, 123, 14, 342}, Case{2480, 3507, 62, 14, 177},
                          Case{3507, 2480, 62, 16, 172}, Case{3300, 2550, 62, 16, 177},
                          Case{3000, 3000, 62, 16, 187}, Case{4800, 4900, 123, 14, 298},
                          Case{100, 10, 50, 16, 0}}) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        const CharMapPrintGrid grid = CharMapGridForPage(c.width, c.height, c.heading);
        EXPECT_EQ(grid.columns, c.columns);
        EXPECT_EQ(grid.cellSize, c.cellSize);
        EXPECT_LE(c.heading + 224 / grid.columns * grid.cellSize, std::max(c.height, c.heading));
        EXPECT_LE(grid.columns * grid.cellSize, c.width);
    }
}

}  // namespace
}  // namespace logic
