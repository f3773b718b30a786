// The toolkit's errors: the registry wrapper's, generic, naming the value and giving the
// system's reason; and those thrown inside a system callback, carried out past the system.
#include <windows.h>

#include <gtest/gtest.h>

#include "toolkit/CallbackErrors.h"
#include "toolkit/Error.h"
#include "toolkit/Form.h"
#include "toolkit/Registry.h"

namespace {

constexpr const char* kTestKey = "SOFTWARE\\Orvane\\LetterloomRegistryTest";

struct FailureCase {
    const char* what;
    const char* value;
    tk::RegistryError::Failure failure;
    LONG status;
    void (*access)(tk::RegistryKey& key);
};

class RegistryErrorTest : public ::testing::TestWithParam<FailureCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
        key.WriteString("text", "abc");
        const int64_t wide = 1;
        ASSERT_EQ(::RegSetValueExA(key.Handle(), "wide", 0, REG_QWORD,
                                   reinterpret_cast<const BYTE*>(&wide), sizeof wide),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        key.Close();
        ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestKey);
    }
    tk::RegistryKey key;
};

TEST_P(RegistryErrorTest, NamesTheValueAndGivesTheSystemsReason) {
    const FailureCase c = GetParam();
    try {
        c.access(key);
        FAIL() << "no error";
    } catch (const tk::RegistryError& error) {
        EXPECT_EQ(error.failure(), c.failure);
        EXPECT_EQ(error.valueName(), c.value);
        EXPECT_EQ(std::string(error.what()), "registry value '" + std::string(c.value) + "': " +
                                                 tk::SystemErrorText(static_cast<DWORD>(c.status)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Failures, RegistryErrorTest,
    ::testing::Values(
        FailureCase{"WrongType", "text", tk::RegistryError::Failure::Type, ERROR_DATATYPE_MISMATCH,
                    [](tk::RegistryKey& key) { key.ReadInteger("text"); }},
        FailureCase{"TooLong", "wide", tk::RegistryError::Failure::Read, ERROR_MORE_DATA,
                    [](tk::RegistryKey& key) { key.ReadInteger("wide"); }},
        FailureCase{"KeyNotOpen", "text", tk::RegistryError::Failure::Write, ERROR_INVALID_HANDLE,
                    [](tk::RegistryKey& key) {
                        key.Close();
                        key.WriteString("text", "x");
                    }}),
    [](const ::testing::TestParamInfo<FailureCase>& param) { return param.param.what; });

struct Enumeration {
    int calls = 0;
    tk::CallbackErrors errors;
};

BOOL CALLBACK ThrowOnSecondWindow(HWND, LPARAM param) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(param);
    return enumeration.errors.Run([&] {
        if (++enumeration.calls == 2) throw tk::Error("out of memory");
    });
}

TEST(CallbackErrorsTest, AnErrorInACallbackStopsTheEnumerationAndReachesTheCaller) {
    tk::Form windows[3];
    for (tk::Form& window : windows) window.CreateForm("probe", WS_POPUP, 0, 10, 10);
    Enumeration enumeration;
    ::EnumThreadWindows(::GetCurrentThreadId(), ThrowOnSecondWindow,
                        reinterpret_cast<LPARAM>(&enumeration));
    EXPECT_EQ(enumeration.calls, 2);
    EXPECT_THROW(enumeration.errors.Rethrow(), tk::Error);
    EXPECT_NO_THROW(enumeration.errors.Rethrow());
}

}  // namespace
