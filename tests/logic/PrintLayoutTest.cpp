#include "logic/PrintLayout.h"

#include <gtest/gtest.h>

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

TEST(PrintLayout, EstimateAndPagesNeeded) {
    struct Case {
        int32_t dpi, height, columns, perPage;
    };
    for (const Case& c : {Case{600, 6600, 1, 51}, Case{600, 6600, 2, 206}, Case{300, 3508, 1, 54},
                          Case{300, 3508, 2, 216}}) {
        SCOPED_TRACE(c.height * 10 + c.columns);
        EXPECT_EQ(EntriesPerPage(c.dpi, c.height, c.columns), c.perPage);
    }
    EXPECT_EQ(PagesNeeded(102, 51), 2);
    EXPECT_EQ(PagesNeeded(103, 51), 3);
    EXPECT_EQ(PagesNeeded(0, 51), 0);
}

TEST(PrintLayout, ALowPageGivesNoDivisionByZero) {
    EXPECT_LE(EntriesPerPage(600, 100, 1), 0);
    EXPECT_EQ(PagesNeeded(10, 0), -1);
    EXPECT_EQ(PagesNeeded(10, -2), -1);
    EXPECT_EQ(EntriesPerPage(0, 3508, 1), 0);
}

}  // namespace
}  // namespace logic
