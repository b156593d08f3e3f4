// The project buttons of the settings dialog: save, save as and open, under Wine.
#include "kit.h"
#include "test_settings_kit.h"

#include "EditWindow.h"
#include "lang/strings.h"
#include "settings/record.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

namespace {

using settings_kit::click;
using settings_kit::is_topmost;
using settings_kit::same_bytes;
using settings_kit::with_settings;

std::string image_of(const Settings& record)
{
    unsigned char image[PROJECT_IMAGE_SIZE];
    write_project_image(record, image);
    return std::string((const char*)image, PROJECT_IMAGE_SIZE);
}

Settings defaults()
{
    Settings record;
    write_default_settings(record);
    return record;
}

// A record unlike the defaults in every field.
Settings sample_project()
{
    Settings record = defaults();
    wcscpy(record.compilerCommand, L"gcc -o tool tool.c -Wall");
    wcscpy(record.systemCommand, L"dir /b");
    record.textColorSetting = 0x00102030;
    record.backgroundColorSetting = 0x00405060;
    record.fontSetting.lfHeight = -24;
    record.fontSetting.lfWeight = 700;
    wcscpy(record.fontSetting.lfFaceName, L"Courier New");
    for (int k = 0; k < 20; ++k)
        swprintf(record.jumpNames[k], JUMP_NAME_CAPACITY, L"Place %d", k);
    record.reservedWord = 77;
    return record;
}

HWND item(HWND dialog, int id) { return GetDlgItem(dialog, id); }

std::wstring face_of(HFONT font)
{
    LOGFONTW f{};
    GetObjectW(font, sizeof f, &f);
    return f.lfFaceName;
}

// Clicks a project button whose file dialog the given handler answers, and checks
// that the settings dialog was not topmost while the file dialog was open.
void click_with_file_dialog(HWND dialog, int button, kit::DialogHandler answer)
{
    bool topmost_during = true;
    bool shown = false;
    kit::on_next_dialog([&, answer](HWND file_dialog) {
        shown = true;
        topmost_during = is_topmost(dialog);
        answer(file_dialog);
    });
    click(dialog, button);
    EXPECT_TRUE(shown) << "a file dialog was shown";
    EXPECT_FALSE(topmost_during);
    EXPECT_TRUE(is_topmost(dialog)) << "topmost again after the file dialog";
}

TEST(SettingsProjects, SaveAfterStartUpWritesTheDefaultImageThenSavesThereWithoutAsking)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ, kit::choose_file(dir + L"\\first"));
        std::wstring file = dir + L"\\first.kedp";
        EXPECT_EQ(std::wstring(project_name), file) << "Save project proposes kedp";
        EXPECT_TRUE(same_bytes(kit::read_file(file), image_of(defaults()))) << "byte for byte the default image";

        // With a current project: no dialog; the compiler edit is stored, the system
        // command only as last committed.
        kit::set_text(item(dialog, IDC_SET_COMPILER), L"gcc -o other main.c");
        kit::set_text(item(dialog, IDC_SET_SYSTEM), L"not yet committed");
        size_t dialogs = kit::dialogs_seen().size();
        click(dialog, IDC_SET_SAVE_PROJ);
        EXPECT_EQ(kit::dialogs_seen().size(), dialogs);
        EXPECT_TRUE(is_topmost(dialog));
        Settings expected = defaults();
        wcscpy(expected.compilerCommand, L"gcc -o other main.c");
        EXPECT_TRUE(same_bytes(kit::read_file(file), image_of(expected)));
    });
    EXPECT_TRUE(kit::boxes().empty());
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
    EXPECT_EQ(kit::pending_handlers(), 0u);
}

TEST(SettingsProjects, CancelledSaveDialogsWriteNothingAndForgetTheProject)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ_AS, kit::choose_file(dir + L"\\kept"));
        EXPECT_EQ(std::wstring(project_name), dir + L"\\kept.bin") << "Save as proposes bin";
        EXPECT_TRUE(same_bytes(kit::read_file(dir + L"\\kept.bin"), image_of(defaults())));

        kit::set_text(item(dialog, IDC_SET_COMPILER), L"gcc -o changed main.c");
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ_AS, kit::cancel_dialog());
        EXPECT_STREQ(project_name, L"");
        EXPECT_TRUE(same_bytes(kit::read_file(dir + L"\\kept.bin"), image_of(defaults()))) << "nothing written";

        // The project is forgotten: Save project asks again, and a cancel writes nothing.
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ, kit::cancel_dialog());
        EXPECT_STREQ(project_name, L"");
        EXPECT_TRUE(same_bytes(kit::read_file(dir + L"\\kept.bin"), image_of(defaults())));
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ, kit::choose_file(dir + L"\\next.kedp"));
        EXPECT_EQ(std::wstring(project_name), dir + L"\\next.kedp");
        EXPECT_EQ(kit::read_file(dir + L"\\next.kedp").substr(0, 42),
                  std::string((const char*)L"gcc -o changed main.c", 42));
    });
    EXPECT_TRUE(kit::boxes().empty());
}

TEST(SettingsProjects, OpenAppliesAWholeImageAndIgnoresALongerFilesTail)
{
    const Settings saved = sample_project();
    const std::string image = image_of(saved);
    struct OpenCase {
        const char* name;
        std::string bytes;
    };
    const OpenCase cases[] = {
        {"3302 bytes", image},
        {"3400 bytes", image + std::string(98, '\x5a')},
    };
    for (const OpenCase& c : cases) {
        SCOPED_TRACE(c.name);
        kit::start_editor();
        std::wstring file = kit::temp_dir() + L"\\project.kedp";
        ASSERT_TRUE(kit::write_file(file, c.bytes));
        kit::set_text(hOutput, L"compiler output");
        with_settings([&](HWND dialog) {
            HWND list = item(dialog, IDC_SET_JUMPLIST);
            SendMessageW(list, CB_SETCURSEL, 5, 0);
            kit::set_text(item(dialog, IDC_SET_JUMPNAME), L"typed");
            click_with_file_dialog(dialog, IDC_SET_OPEN_PROJ, kit::choose_file(file));
            EXPECT_EQ(kit::dialogs_seen().back(), L"Select a File to Open");

            EXPECT_EQ(memcmp(&ustawienia, &saved, PROJECT_IMAGE_SIZE), 0);
            EXPECT_EQ(std::wstring(project_name), file);
            EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
            EXPECT_EQ(kit::text(item(dialog, IDC_SET_JUMPNAME)), L"Place 0");
            EXPECT_EQ(kit::text(item(dialog, IDC_SET_COMPILER)), saved.compilerCommand);
            EXPECT_EQ(kit::text(item(dialog, IDC_SET_SYSTEM)), saved.systemCommand);
            EXPECT_EQ(kit::text(dialog), set_langs[10]);
        });
        EXPECT_TRUE(kit::boxes().empty());
        EXPECT_EQ(textColor, 0x00102030u);
        EXPECT_EQ(backgroundColor, 0x00405060u);
        EXPECT_EQ(face_of(hNormalFont), L"Courier New");
        EXPECT_EQ((HFONT)SendMessageW(hEdit, WM_GETFONT, 0, 0), hNormalFont);
        EXPECT_EQ((HFONT)SendMessageW(hOutput, WM_GETFONT, 0, 0), hNormalFont);
        EXPECT_EQ(kit::text(hOutput), saved.compilerCommand);
        for (int k = 0; k < 19; ++k)
            EXPECT_EQ(kit::text(okno_skoku.okna[k]), L"Place " + std::to_wstring(k)) << "jump " << k;
        // The system command loaded with the project is committed on close as shown.
        EXPECT_STREQ(ustawienia.systemCommand, L"dir /b");
    }
}

TEST(SettingsProjects, FailedOpensChangeNothingAndTheNextSaveGoesToTheLoadedProject)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    std::wstring loaded = dir + L"\\loaded.kedp";
    ASSERT_TRUE(kit::write_file(loaded, image_of(sample_project())));
    const std::string short_image = image_of(defaults()).substr(0, PROJECT_IMAGE_SIZE - 1);
    std::wstring held_file = dir + L"\\held.kedp";
    ASSERT_TRUE(kit::write_file(held_file, image_of(defaults())));

    struct FailedOpen {
        const char* name;
        std::string bytes;  // written to the chosen file; empty name means cancel
        bool cancel;
        bool hold_open;
        const wchar_t* text;
        const wchar_t* caption;
        UINT icon;
    };
    const FailedOpen cases[] = {
        {"cancelled", "", true, false, L"No file selected.", L"Info", MB_ICONINFORMATION},
        {"3301 bytes", short_image, false, false, L"Error reading file.", L"Error", MB_ICONERROR},
        {"empty file", "", false, false, L"Error reading file.", L"Error", MB_ICONERROR},
        {"held open by another program", "", false, true, L"Could not open the file.", L"Error", MB_ICONERROR},
    };
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_OPEN_PROJ, kit::choose_file(loaded));
        const Settings before = ustawienia;
        const HFONT font = hNormalFont;
        kit::set_text(hOutput, L"compiler output");
        int n = 0;
        for (const FailedOpen& c : cases) {
            SCOPED_TRACE(c.name);
            std::wstring file = dir + L"\\bad" + std::to_wstring(++n) + L".kedp";
            HANDLE held = INVALID_HANDLE_VALUE;
            if (c.hold_open) {
                file = held_file;
                held = CreateFileW(file.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
                ASSERT_NE(held, INVALID_HANDLE_VALUE);
            } else if (!c.cancel) {
                ASSERT_TRUE(kit::write_file(file, c.bytes));
            }
            kit::set_text(item(dialog, IDC_SET_COMPILER), L"typed, not committed");
            kit::clear_boxes();
            click_with_file_dialog(dialog, IDC_SET_OPEN_PROJ,
                                   c.cancel ? kit::cancel_dialog() : kit::choose_file(file));
            if (held != INVALID_HANDLE_VALUE)
                CloseHandle(held);

            ASSERT_EQ(kit::boxes().size(), 1u);
            EXPECT_EQ(kit::boxes()[0].text, c.text);
            EXPECT_EQ(kit::boxes()[0].caption, c.caption);
            EXPECT_EQ(kit::boxes()[0].icon, c.icon);
            EXPECT_EQ(kit::boxes()[0].owner, dialog);
            EXPECT_EQ(memcmp(&ustawienia, &before, sizeof before), 0) << "record unchanged";
            EXPECT_EQ(std::wstring(project_name), loaded) << "still the loaded project";
            EXPECT_EQ(hNormalFont, font);
            EXPECT_EQ(textColor, before.textColorSetting);
            EXPECT_EQ(kit::text(hOutput), L"compiler output");
            EXPECT_EQ(kit::text(okno_skoku.okna[0]), L"Place 0");
            if (!c.cancel)  // the refresh shows the record's commands again
                EXPECT_EQ(kit::text(item(dialog, IDC_SET_COMPILER)), before.compilerCommand);
        }
        // Save project writes to the project that was loaded, never to a failed file.
        kit::set_text(item(dialog, IDC_SET_COMPILER), L"gcc -o saved main.c");
        click(dialog, IDC_SET_SAVE_PROJ);
        Settings expected = before;
        wcscpy(expected.compilerCommand, L"gcc -o saved main.c");
        EXPECT_TRUE(same_bytes(kit::read_file(loaded), image_of(expected)));
        EXPECT_TRUE(same_bytes(kit::read_file(dir + L"\\bad2.kedp"), short_image));
    });
}

TEST(SettingsProjects, GarbageWithUnterminatedTextsLoadsBoundedAndSavesBack)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    std::string garbage(PROJECT_IMAGE_SIZE + 40, 'x');  // every unit U+7878, no NUL anywhere
    const int32_t absurd[] = {INT32_MIN, INT32_MAX, 123456789, -987654321, 99999};
    memcpy(&garbage[2408], absurd, sizeof absurd);
    std::wstring file = dir + L"\\garbage.bin";
    ASSERT_TRUE(kit::write_file(file, garbage));
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_OPEN_PROJ, kit::choose_file(file));
        EXPECT_TRUE(kit::boxes().empty());
        EXPECT_EQ(kit::text(item(dialog, IDC_SET_COMPILER)), std::wstring(599, L'\x7878'));
        EXPECT_EQ(kit::text(item(dialog, IDC_SET_SYSTEM)), std::wstring(599, L'\x7878'));
        EXPECT_EQ(kit::text(item(dialog, IDC_SET_JUMPNAME)), std::wstring(19, L'\x7878'));
        EXPECT_EQ(kit::text(hOutput), std::wstring(599, L'\x7878'));
        for (int k = 0; k < 19; ++k)
            EXPECT_EQ(kit::text(okno_skoku.okna[k]), std::wstring(19, L'\x7878')) << "jump " << k;
        EXPECT_EQ(wcslen(ustawienia.fontSetting.lfFaceName), 31u);

        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ_AS, kit::choose_file(dir + L"\\again.bin"));
        std::string saved = kit::read_file(dir + L"\\again.bin");
        ASSERT_EQ(saved.size(), (size_t)PROJECT_IMAGE_SIZE);
        EXPECT_EQ(saved.substr(2400, 36), garbage.substr(2400, 36)) << "numbers taken as they stand";
    });
}

TEST(SettingsProjects, AProjectSavedAfterChangesOpensTheSameInAFreshEditor)
{
    kit::start_editor();
    std::wstring file = kit::temp_dir() + L"\\changed.kedp";
    std::wstring face;
    with_settings([&](HWND dialog) {
        const struct {
            int button;
            int r, g, b;
        } colours[] = {{IDC_SET_BACKGROUND, 10, 20, 30}, {IDC_SET_TEXTCOLOR, 200, 100, 50}};
        for (const auto& c : colours) {
            kit::on_next_dialog([c](HWND chooser) {
                SetDlgItemInt(chooser, 706, c.r, FALSE);
                SetDlgItemInt(chooser, 707, c.g, FALSE);
                SetDlgItemInt(chooser, 708, c.b, FALSE);
                PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            });
            click(dialog, c.button);
        }
        kit::on_next_dialog([&](HWND chooser) {
            HWND faces = GetDlgItem(chooser, 0x470);
            SendMessageW(faces, CB_SETCURSEL, 0, 0);
            SendMessageW(chooser, WM_COMMAND, MAKEWPARAM(0x470, CBN_SELCHANGE), (LPARAM)faces);
            wchar_t name[LF_FACESIZE] = L"";
            SendMessageW(faces, CB_GETLBTEXT, 0, (LPARAM)name);
            face = name;
            SetDlgItemInt(chooser, 0x472, 16, FALSE);
            PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        click(dialog, IDC_SET_FONT);
        HWND list = item(dialog, IDC_SET_JUMPLIST);
        SendMessageW(list, CB_SETCURSEL, 2, 0);
        kit::set_text(item(dialog, IDC_SET_JUMPNAME), L"Loop");
        click(dialog, IDC_SET_JUMPSET);
        kit::set_text(item(dialog, IDC_SET_COMPILER), L"gcc -o app app.c");
        kit::set_text(item(dialog, IDC_SET_SYSTEM), L"dir /w");
    });
    // The system command reaches the record when the dialog closes.
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ_AS, kit::choose_file(file));
    });
    ASSERT_FALSE(face.empty());
    const LOGFONTW chosen = ustawienia.fontSetting;

    kit::start_editor();
    EXPECT_EQ(textColor, 0x00FFFFFFu) << "a fresh editor has the defaults";
    with_settings([&](HWND dialog) {
        click_with_file_dialog(dialog, IDC_SET_OPEN_PROJ, kit::choose_file(file));
    });
    EXPECT_EQ(backgroundColor, RGB(10, 20, 30));
    EXPECT_EQ(textColor, RGB(200, 100, 50));
    EXPECT_EQ(face_of(hNormalFont), face);
    EXPECT_EQ(memcmp(&ustawienia.fontSetting, &chosen, sizeof chosen), 0);
    EXPECT_STREQ(ustawienia.compilerCommand, L"gcc -o app app.c");
    EXPECT_STREQ(ustawienia.systemCommand, L"dir /w");
    EXPECT_EQ(kit::text(okno_skoku.okna[2]), L"Loop");
    EXPECT_EQ(kit::text(okno_skoku.okna[1]), L"//--?01");
    EXPECT_TRUE(kit::boxes().empty());
}

TEST(SettingsProjects, AFileThatCannotBeWrittenIsReportedAndAnOldOneStaysIntact)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    with_settings([&](HWND dialog) {
        // A current project whose folder has gone.
        std::wstring missing = dir + L"\\gone\\p.kedp";
        ASSERT_EQ(GetFileAttributesW((dir + L"\\gone").c_str()), INVALID_FILE_ATTRIBUTES);
        wcscpy(project_name, missing.c_str());
        click(dialog, IDC_SET_SAVE_PROJ);
        ASSERT_EQ(kit::boxes().size(), 1u);
        EXPECT_EQ(kit::boxes()[0].caption, L"Error");
        EXPECT_EQ(kit::boxes()[0].icon, (UINT)MB_ICONERROR);
        EXPECT_EQ(kit::boxes()[0].owner, dialog);
        EXPECT_NE(kit::boxes()[0].text.find(missing), std::wstring::npos) << "the box names the path";
        EXPECT_TRUE(is_topmost(dialog));

        // An existing project that another program holds open keeps its bytes.
        project_name[0] = L'\0';
        std::wstring file = dir + L"\\p.kedp";
        click_with_file_dialog(dialog, IDC_SET_SAVE_PROJ, kit::choose_file(file));
        HANDLE held = CreateFileW(file.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        kit::clear_boxes();
        kit::set_text(item(dialog, IDC_SET_COMPILER), L"gcc -o lost main.c");
        click(dialog, IDC_SET_SAVE_PROJ);
        CloseHandle(held);
        ASSERT_EQ(kit::boxes().size(), 1u);
        EXPECT_EQ(kit::boxes()[0].caption, L"Error");
        EXPECT_TRUE(same_bytes(kit::read_file(file), image_of(defaults())));
    });
}

}  // namespace
