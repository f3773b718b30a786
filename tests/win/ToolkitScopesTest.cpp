// The toolkit's scopes undo what they did on every way out of the scope, an exception included:
// a locked block is unlocked, a DC gets back the object it had before the first selection.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/UniqueHandle.h"

namespace {

struct ScopeCase {
    const char* name;
    int scopes;   // how many at once: locks of one block, or selections of one scope
    bool throws;  // the scope is left by an exception
};
void PrintTo(const ScopeCase& row, std::ostream* out) { *out << row.name; }

const ScopeCase kCases[] = {
    {"OneLeftNormally", 1, false},
    {"OneLeftByAnException", 1, true},
    {"ThreeLeftNormally", 3, false},
    {"ThreeLeftByAnException", 3, true},
};

UINT LockCount(HGLOBAL block) { return ::GlobalFlags(block) & GMEM_LOCKCOUNT; }

// Runs body, which may leave by the exception its case asks for.
template <typename Body>
void RunCatching(Body body) {
    try {
        body();
    } catch (const std::runtime_error&) {
    }
}

class GlobalLockScopeTest : public ::testing::TestWithParam<ScopeCase> {};

TEST_P(GlobalLockScopeTest, EveryLockIsUndoneWhenTheScopesEnd) {
    const tk::UniqueGlobal block(::GlobalAlloc(GMEM_MOVEABLE, 16));
    ASSERT_TRUE(block);
    UINT insideCount = 0;
    bool sawContents = true;
    RunCatching([&] {
        std::vector<std::unique_ptr<tk::GlobalLockScope<char>>> locks;
        for (int i = 0; i < GetParam().scopes; ++i) {
            locks.push_back(std::make_unique<tk::GlobalLockScope<char>>(block.get()));
            sawContents = sawContents && locks.back()->get() != nullptr;
        }
        insideCount = LockCount(block.get());
        if (GetParam().throws) throw std::runtime_error("drawing failed");
    });
    EXPECT_TRUE(sawContents);
    EXPECT_EQ(insideCount, static_cast<UINT>(GetParam().scopes));
    EXPECT_EQ(LockCount(block.get()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Ways, GlobalLockScopeTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

class SelectScopeTest : public ::testing::TestWithParam<ScopeCase> {};

TEST_P(SelectScopeTest, TheDCGetsBackTheFontItHadBeforeTheFirstSelection) {
    const tk::UniqueDC dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_FONT);
    std::vector<tk::UniqueFont> fonts;
    for (int i = 0; i < GetParam().scopes; ++i)
        fonts.emplace_back(::CreateFontA(-10 - i, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                                         0, 0, 0, "Arial"));
    HGDIOBJ lastSelected = nullptr;
    RunCatching([&] {
        tk::SelectScope selection;
        for (const tk::UniqueFont& font : fonts) selection.Select(dc.get(), font.get());
        lastSelected = ::GetCurrentObject(dc.get(), OBJ_FONT);
        if (GetParam().throws) throw std::runtime_error("drawing failed");
    });
    EXPECT_EQ(lastSelected, fonts.back().get());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_FONT), original);
}

INSTANTIATE_TEST_SUITE_P(Ways, SelectScopeTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
