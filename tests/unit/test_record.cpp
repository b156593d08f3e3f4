// The settings record's defaults and its 3302-byte project image.
#include "settings/record.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

std::u16string units_at(const unsigned char* image, size_t offset, size_t units)
{
    std::u16string s;
    for (size_t i = 0; i < units; ++i) {
        char16_t c = (char16_t)(image[offset + 2 * i] | image[offset + 2 * i + 1] << 8);
        if (!c)
            break;
        s += c;
    }
    return s;
}

uint32_t u32_at(const unsigned char* image, size_t offset)
{
    return image[offset] | image[offset + 1] << 8 | image[offset + 2] << 16 | (uint32_t)image[offset + 3] << 24;
}

TEST(SettingsRecord, DefaultImageHoldsTheDefaultsAtTheirOffsets)
{
    Settings record;
    memset(&record, 0xAB, sizeof record);  // defaults must clear every byte first
    write_default_settings(record);
    unsigned char image[PROJECT_IMAGE_SIZE + 8];
    memset(image, 0xCD, sizeof image);
    write_project_image(record, image);

    EXPECT_EQ(units_at(image, 0, 600), u"gcc -o out_file main.c");
    EXPECT_EQ(units_at(image, 1200, 600), u"");
    EXPECT_EQ(u32_at(image, 2400), 0x00FFFFFFu);
    EXPECT_EQ(u32_at(image, 2404), 0x00000000u);
    for (size_t i = 2408; i < 2500; ++i)
        ASSERT_EQ(image[i], 0) << "font description byte " << i;
    for (int k = 0; k < 19; ++k) {
        char16_t expected[8] = u"//--?00";
        expected[5] = (char16_t)(u'0' + k / 10);
        expected[6] = (char16_t)(u'0' + k % 10);
        EXPECT_EQ(units_at(image, 2500 + 40 * k, 20), expected) << "slot " << k;
    }
    EXPECT_EQ(units_at(image, 2500 + 40 * 19, 20), u"");
    EXPECT_EQ(image[3300] | image[3301] << 8, 4);
    EXPECT_EQ(image[PROJECT_IMAGE_SIZE], 0xCD) << "the image is exactly 3302 bytes";

    // Only the named texts and values are non-zero.
    size_t nonzero = 0;
    for (size_t i = 0; i < PROJECT_IMAGE_SIZE; ++i)
        nonzero += image[i] != 0;
    size_t expected_nonzero = 22 + 3 /* white */ + 19 * 7 + 1 /* reserved 4 */;
    EXPECT_EQ(nonzero, expected_nonzero);
}

TEST(SettingsRecord, ImageRoundTripsAndShortImagesAreRefused)
{
    Settings a;
    write_default_settings(a);
    wcscpy(a.systemCommand, L"dir");
    a.fontSetting.lfHeight = -17;
    wcscpy(a.fontSetting.lfFaceName, L"Courier New");
    unsigned char image[PROJECT_IMAGE_SIZE];
    write_project_image(a, image);

    Settings b;
    write_default_settings(b);
    EXPECT_FALSE(read_project_image(image, PROJECT_IMAGE_SIZE - 1, b));
    EXPECT_STREQ(b.systemCommand, L"") << "a refused image leaves the record alone";
    EXPECT_FALSE(read_project_image(nullptr, PROJECT_IMAGE_SIZE, b));

    ASSERT_TRUE(read_project_image(image, PROJECT_IMAGE_SIZE, b));
    EXPECT_EQ(memcmp(&a, &b, PROJECT_IMAGE_SIZE), 0);
}

TEST(SettingsRecord, UnterminatedTextsAreEndedInsideTheirFields)
{
    unsigned char image[PROJECT_IMAGE_SIZE];
    memset(image, 'x', sizeof image);  // no NUL unit anywhere
    Settings record;
    ASSERT_TRUE(read_project_image(image, sizeof image, record));
    EXPECT_EQ(wcslen(record.compilerCommand), 599u);
    EXPECT_EQ(wcslen(record.systemCommand), 599u);
    EXPECT_EQ(wcslen(record.fontSetting.lfFaceName), 31u);
    for (auto& name : record.jumpNames)
        EXPECT_EQ(wcslen(name), 19u);
}

TEST(SettingsRecord, CopyFieldTextStopsAtFieldEndAndCapacity)
{
    const wchar_t field[4] = {L'a', L'b', L'c', L'd'};  // unterminated
    wchar_t out[8];
    copy_field_text(field, 4, out, 8);
    EXPECT_STREQ(out, L"abcd");
    copy_field_text(field, 4, out, 3);
    EXPECT_STREQ(out, L"ab");
    const wchar_t shorter[4] = {L'a', 0, L'c', L'd'};
    copy_field_text(shorter, 4, out, 8);
    EXPECT_STREQ(out, L"a");
}

}  // namespace
