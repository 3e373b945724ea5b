// Loading and saving the generator settings against the real registry (under Wine, the test
// prefix's). Each test starts and ends without the key.
#include "generator/settings_registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

namespace fanwright {
namespace {

class SettingsRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, SettingsKeyPath); }
    void TearDown() override { SetUp(); }

    static void store(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyPath, name, type, data, size),
                  ERROR_SUCCESS);
    }
};

TEST_F(SettingsRegistryTest, LoadingReadsEachValueByItsNameThenValidates)
{
    GeneratorSettings s{2, 30, 30, 2, 2, 0};
    EXPECT_FALSE(loadSettings(s));  // no key yet: a first run keeps what it had
    EXPECT_EQ(s, (GeneratorSettings{2, 30, 30, 2, 2, 0}));
    const wchar_t* names[] = {L"freqMelding", L"freqChow",  L"freqPung",
                              L"freqSpecial", L"freqFlags", L"minPoints"};
    const struct {
        std::int32_t stored[6];
        GeneratorSettings loaded;
    } rows[] = {
        {{7, 20, 30, 3, 0, 8}, {7, 20, 30, 3, 0, 8}},
        {{11, 70, 40, -1, 4, 1}, {5, 40, 40, 1, 1, 8}},
    };
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < 6; ++i)
            store(names[i], REG_DWORD, &row.stored[i], 4);
        EXPECT_TRUE(loadSettings(s));
        EXPECT_EQ(s, row.loaded);
    }
}

TEST_F(SettingsRegistryTest, ValuesOfAnotherTypeOrSizeCountAsAbsent)
{
    const BYTE seven[4] = {7, 0, 0, 0};
    const std::int32_t three = 3;
    store(L"freqMelding", REG_BINARY, seven, sizeof seven);
    store(L"freqSpecial", REG_DWORD, &three, sizeof three);
    store(L"freqFlags", REG_DWORD, &three, 2);  // and the others not there at all
    GeneratorSettings s{2, 30, 30, 2, 2, 8};
    EXPECT_TRUE(loadSettings(s));
    EXPECT_EQ(s, (GeneratorSettings{2, 30, 30, 3, 2, 8}));
}

TEST_F(SettingsRegistryTest, SavedSettingsLoadBack)
{
    const GeneratorSettings saved{7, 20, 30, 2, 3, 8};  // each unlike its default
    ASSERT_TRUE(saveSettings(saved));
    GeneratorSettings loaded;
    EXPECT_TRUE(loadSettings(loaded));
    EXPECT_EQ(loaded, saved);
}

}  // namespace
}  // namespace fanwright
