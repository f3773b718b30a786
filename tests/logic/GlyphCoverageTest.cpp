#include "logic/GlyphCoverage.h"

#include <gtest/gtest.h>

namespace logic {
namespace {

TEST(CellCharacter, OnlyASingleUnitIsACharacter) {
    const struct {
        std::wstring converted;
        std::optional<wchar_t> expected;
    } cases[] = {
        {L"A", L'A'},
        {L"\x20AC", L'\x20AC'},  // 0x80 in code page 936
        {L"", std::nullopt},     // a lone lead byte, an unassigned byte
        {L"AB", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellCharacter(c.converted), c.expected) << c.converted.size();
}

}  // namespace
}  // namespace logic
