// Loading and saving the generator settings against the real registry (under Wine, the test
// prefix's). Each test starts and ends without the key.
#include "generator/settings_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace fanwright {
namespace {

constexpr const wchar_t* ValueNames[] = {L"freqMelding", L"freqChow",  L"freqPung",
                                         L"freqSpecial", L"freqFlags", L"minPoints"};

class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { deleteKey(); }
    void TearDown() override { deleteKey(); }
    static void deleteKey() { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath); }

    static void store(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyPath, name, type, data, size),
                  ERROR_SUCCESS);
    }
    static void storeDword(const wchar_t* name, std::int32_t value)
    {
        const DWORD data = static_cast<DWORD>(value);
        store(name, REG_DWORD, &data, sizeof data);
    }
};

TEST_F(SettingsRegistryTest, NoKeyLeavesEverySettingAsItWas)
{
    GeneratorSettings s{7, 100, 0, 0, 3, 8};
    EXPECT_FALSE(loadSettings(s));
    EXPECT_EQ(s, (GeneratorSettings{7, 100, 0, 0, 3, 8}));
}

TEST_F(SettingsRegistryTest, HandEditedValuesAreCorrectedOnLoading)
{
    const struct {
        std::int32_t stored[6];
        GeneratorSettings loaded;
    } rows[] = {
        {{5, 70, 40, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{5, 100, 0, 1, 1, 0}, {5, 100, 0, 1, 1, 0}},
        {{5, 40, 40, 1, 1, 1}, {5, 40, 40, 1, 1, 8}},
        {{11, 40, 40, 1, 1, 0}, {5, 40, 40, 1, 1, 0}},
        {{10, 40, 40, 1, 1, 0}, {10, 40, 40, 1, 1, 0}},
        {{5, 40, 40, -1, 1, 0}, {5, 40, 40, 1, 1, 0}},
    };
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        for (std::size_t i = 0; i < 6; ++i)
            storeDword(ValueNames[i], rows[row].stored[i]);
        GeneratorSettings s;
        EXPECT_TRUE(loadSettings(s));
        EXPECT_EQ(s, rows[row].loaded) << "row " << row;
        deleteKey();
    }
}

TEST_F(SettingsRegistryTest, ValuesOfAnotherTypeOrSizeCountAsAbsent)
{
    const BYTE fourBytes[4] = {7, 0, 0, 0};
    const BYTE twoBytes[2] = {3, 0};
    const std::uint64_t ten = 10;
    store(L"freqMelding", REG_BINARY, fourBytes, sizeof fourBytes);
    store(L"freqChow", REG_SZ, L"10", sizeof L"10");
    store(L"freqPung", REG_QWORD, &ten, sizeof ten);
    storeDword(L"freqSpecial", 3);
    store(L"freqFlags", REG_DWORD, twoBytes, sizeof twoBytes);  // and no minPoints at all
    GeneratorSettings s{2, 30, 30, 2, 2, 8};
    EXPECT_TRUE(loadSettings(s));
    EXPECT_EQ(s, (GeneratorSettings{2, 30, 30, 3, 2, 8}));
}

TEST_F(SettingsRegistryTest, SavingCreatesTheKeyWithAllSixDwordsAndLoadsBack)
{
    const GeneratorSettings saved{7, 20, 30, 2, 3, 8};
    ASSERT_TRUE(saveSettings(saved));
    for (const wchar_t* name : ValueNames) {
        DWORD type = REG_NONE, size = 0;
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, SettingsKeyPath, name, RRF_RT_ANY, &type, nullptr,
                               &size),
                  ERROR_SUCCESS);
        EXPECT_TRUE(type == REG_DWORD && size == 4);
    }
    GeneratorSettings loaded;
    EXPECT_TRUE(loadSettings(loaded));
    EXPECT_EQ(loaded, saved);
    ASSERT_TRUE(saveSettings(GeneratorSettings{}));  // a second save replaces the values
    EXPECT_TRUE(loadSettings(loaded));
    EXPECT_EQ(loaded, GeneratorSettings{});
}

}  // namespace
}  // namespace fanwright
