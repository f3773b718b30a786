// Texts typed or pasted into the test page's size box and the configuration dialog's fields,
// from a generated corpus: each gives the promised size or the promised message.
#include <windows.h>

#include <gtest/gtest.h>

#include <charconv>
#include <optional>
#include <string>
#include <vector>

#include "settings/ConfigDialog.h"
#include "settings/SettingsStore.h"
#include "support/ProgramFixture.h"
#include "toolkit/Error.h"

namespace {

// Blanks, a sign, a hexadecimal mark, a body and a tail, in every combination: long digit runs,
// the ends of the 32-bit range, GBK characters (full-width digits, a hanzi) and lone lead bytes.
std::vector<std::string> Corpus() {
    const char* blanks[] = {"", " ", "   ", "\t"};
    const char* signs[] = {"", "+", "-", "+-"};
    const char* marks[] = {"", "$", "0x", "0X", "x"};
    const std::string bodies[] = {"0",
                                  "9",
                                  "12",
                                  "2147483647",
                                  "2147483648",
                                  "7fffffff",
                                  "FFFFFFFF",
                                  "100000000",
                                  "1" + std::string(39, '0'),
                                  "\xA3\xB1\xA3\xB2",
                                  "\xD7\xD6",
                                  "\xB4",
                                  "1\xB4",
                                  ""};
    const char* tails[] = {"", " ", "\xD7"};
    std::vector<std::string> corpus;
    for (const char* blank : blanks)
        for (const char* sign : signs)
            for (const char* mark : marks)
                for (const std::string& body : bodies)
                    for (const char* tail : tails)
                        corpus.push_back(blank + std::string(sign) + mark + body + tail);
    return corpus;
}

bool AllOf(std::string_view text, int (*isDigit)(int)) {
    for (char c : text)
        if (!isDigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// The promised integer conversion, worked out with the standard library's: leading spaces, one
// sign, then decimal digits that fit, or hexadecimal ones of a 32-bit pattern after "$" or "0x".
std::optional<int32_t> PromisedInteger(std::string_view text) {
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("$")) {
        base = 16;
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || !AllOf(text, base == 16 ? isxdigit : isdigit)) return std::nullopt;
    uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (base == 16) {
        if (magnitude > 0xFFFFFFFFu) return std::nullopt;
        const auto bits = static_cast<uint32_t>(magnitude);
        return static_cast<int32_t>(negative ? 0u - bits : bits);
    }
    if (magnitude > (negative ? 2147483648u : 2147483647u)) return std::nullopt;
    return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                         : static_cast<int64_t>(magnitude));
}

// A lead byte without a second byte that fits it: the window system holds something else there.
bool HasLoneLeadByte(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x81 || byte == 0xFF) continue;
        const auto trail = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (trail < 0x40 || trail == 0x7F || trail == 0xFF) return true;
        ++i;
    }
    return false;
}

bool IsBlank(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) > 0x20) return false;
    return true;
}

class TypedNumberSweepTest : public testsupport::ProgramTest {};

TEST_F(TypedNumberSweepTest, SizeBoxTextsGiveTheirSizeOrTheirMessage) {
    StartProgramOnPage("字体测试");
    const std::vector<std::string> corpus = Corpus();
    size_t sizes = 0;
    for (const std::string& text : corpus) {
        const tk::FontSpec before = form->FontTest().Memo().GetFont();
        form->FontTest().SizeBox().SetText(text);
        // What the box holds is what the user sees and what the page reads.
        const std::string held = form->FontTest().SizeBox().Text();
        if (!HasLoneLeadByte(text)) {
            EXPECT_EQ(held, text);
        }
        std::string message;
        try {
            form->FontTest().OnSizeChange();  // as the box calls it for the user's edit
        } catch (const tk::Error& error) {
            message = error.what();
        }
        ::UpdateWindow(form->FontTest().Memo().Handle());
        const std::optional<int32_t> promised =
            IsBlank(held) ? std::optional<int32_t>(1) : PromisedInteger(held);
        if (promised) {
            tk::FontSpec expected = before;
            expected.SetSize(*promised);
            EXPECT_EQ(message, "") << text;
            EXPECT_EQ(form->FontTest().Memo().GetFont().height, expected.height) << text;
            ++sizes;
        } else {
            EXPECT_EQ(message, "'" + held + "' 不是有效整数值") << text;
            EXPECT_EQ(form->FontTest().Memo().GetFont().height, before.height) << text;
        }
        EXPECT_EQ(form->FontTest().SizeBox().Text(), held);  // left for the user to correct
    }
    EXPECT_EQ(corpus.size(), 3360u);
    EXPECT_GT(sizes, 200u);
}

TEST_F(TypedNumberSweepTest, ConfigurationFieldsTakeEveryTextAndOkStoresIt) {
    StartProgram();
    const std::vector<std::string> corpus = Corpus();
    letterloom::ConfigDialog dialog(form->Handle(), program->settings);
    for (const std::string& text : corpus) {
        // Pasted text is not filtered; an unreadable one counts as 0.
        dialog.FontListPointsField().SetText(text);
        dialog.SelectedListPointsField().SetText(text);
        dialog.PreviewTextBox().SetText(text);
        const std::string held = dialog.PreviewTextBox().Text();
        dialog.OkButton().Click();
        const int32_t promised = PromisedInteger(dialog.FontListPointsField().Text()).value_or(0);
        EXPECT_EQ(program->settings.fontListPoints, promised) << text;
        EXPECT_EQ(program->settings.selectedListPoints, promised) << text;
        EXPECT_EQ(program->settings.previewText, held);
        if (!HasLoneLeadByte(text)) {
            EXPECT_EQ(held, text);
        }
        form->ApplyItemSizes();  // as OK goes on in the main window
    }
    ::UpdateWindow(form->FontList().List().Handle());
}

}  // namespace
