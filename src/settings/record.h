// The settings record and its 3302-byte project image.
#pragma once

#include <windows.h>
#include <stddef.h>
#include <stdint.h>

enum {
    COMMAND_CAPACITY = 600,
    JUMP_NAME_SLOTS = 20,
    JUMP_NAME_CAPACITY = 20,
    PROJECT_IMAGE_SIZE = 3302,
};

struct Settings {
    wchar_t compilerCommand[COMMAND_CAPACITY];
    wchar_t systemCommand[COMMAND_CAPACITY];
    COLORREF textColorSetting;
    COLORREF backgroundColorSetting;
    LOGFONTW fontSetting;
    wchar_t jumpNames[JUMP_NAME_SLOTS][JUMP_NAME_CAPACITY];
    uint16_t reservedWord;
};

extern Settings ustawienia;

// Clears the record and writes the start-up defaults.
void write_default_settings(Settings& record);

// Writes the record's project image: exactly PROJECT_IMAGE_SIZE bytes.
void write_project_image(const Settings& record, unsigned char* image);

// Replaces the record with an image of at least PROJECT_IMAGE_SIZE bytes (only the
// first PROJECT_IMAGE_SIZE count). A shorter image leaves the record untouched and
// gives false. A text field that holds no terminator gets one in its last unit, so
// every reader stops inside its field.
bool read_project_image(const unsigned char* image, size_t size, Settings& record);

// Copies a text field up to its first NUL or the end of the field, into a
// destination of the given capacity (always terminated when capacity > 0).
void copy_field_text(const wchar_t* field, size_t field_units, wchar_t* dest, size_t capacity);
