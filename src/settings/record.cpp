// The settings record: defaults and the project image.
#include "record.h"

#include <string.h>
#include <wchar.h>
#include <stdio.h>

// The project image is the record's memory as it stands; these pin the layout
// that project files rely on.
static_assert(offsetof(Settings, compilerCommand) == 0);
static_assert(offsetof(Settings, systemCommand) == 1200);
static_assert(offsetof(Settings, textColorSetting) == 2400);
static_assert(offsetof(Settings, backgroundColorSetting) == 2404);
static_assert(offsetof(Settings, fontSetting) == 2408);
static_assert(offsetof(Settings, fontSetting.lfHeight) == 2408);
static_assert(offsetof(Settings, fontSetting.lfWeight) == 2424);
static_assert(offsetof(Settings, fontSetting.lfItalic) == 2428);
static_assert(offsetof(Settings, fontSetting.lfPitchAndFamily) == 2435);
static_assert(offsetof(Settings, fontSetting.lfFaceName) == 2436);
static_assert(sizeof(LOGFONTW) == 92);
static_assert(offsetof(Settings, jumpNames) == 2500);
static_assert(offsetof(Settings, reservedWord) == 3300);
static_assert(sizeof(Settings) >= PROJECT_IMAGE_SIZE);
static_assert(sizeof(wchar_t) == 2);

Settings ustawienia;

void write_default_settings(Settings& record)
{
    memset(&record, 0, sizeof record);
    wcscpy(record.compilerCommand, L"gcc -o out_file main.c");
    for (int k = 0; k < 19; ++k)
        swprintf(record.jumpNames[k], JUMP_NAME_CAPACITY, L"//--?%02d", k);
    record.textColorSetting = 0x00FFFFFF;
    record.backgroundColorSetting = 0x00000000;
    record.reservedWord = 4;
}

void write_project_image(const Settings& record, unsigned char* image)
{
    memcpy(image, &record, PROJECT_IMAGE_SIZE);
}

static void terminate_field(wchar_t* field, size_t units)
{
    if (!wmemchr(field, L'\0', units))
        field[units - 1] = L'\0';
}

bool read_project_image(const unsigned char* image, size_t size, Settings& record)
{
    if (!image || size < PROJECT_IMAGE_SIZE)
        return false;
    memcpy(&record, image, PROJECT_IMAGE_SIZE);
    terminate_field(record.compilerCommand, COMMAND_CAPACITY);
    terminate_field(record.systemCommand, COMMAND_CAPACITY);
    terminate_field(record.fontSetting.lfFaceName, LF_FACESIZE);
    for (auto& name : record.jumpNames)
        terminate_field(name, JUMP_NAME_CAPACITY);
    return true;
}

void copy_field_text(const wchar_t* field, size_t field_units, wchar_t* dest, size_t capacity)
{
    if (capacity == 0)
        return;
    size_t n = 0;
    while (n < field_units && n + 1 < capacity && field[n])
        ++n;
    wmemcpy(dest, field, n);
    dest[n] = L'\0';
}
