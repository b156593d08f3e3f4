// The top bar's commands that hand over to the files, the runner and the dialogs,
// and the editor keys that open dialogs.
#include "kit.h"

#include "EditWindow.h"
#include "settings/record.h"
#include "lang/strings.h"

#include <gtest/gtest.h>

#include <string>

#include "start_folder.h"

namespace {

void click(int id)
{
    SendMessageW(kit::find_control(hTopBar, id), BM_CLICK, 0, 0);
    kit::pump();
}

using TopBarRun = StartFolderTest;

const char HELLO[] = "#include <stdio.h>\nint main(void) { puts(\"hello from the program\"); return 0; }\n";

TEST_F(TopBarRun, RunCutsALongOutputNameTo151CharactersWhileCompileDeletesTheWholeName)
{
    std::wstring long_name(200, L'a');
    std::wstring cut = long_name.substr(0, 151);
    // A program under the cut name, and a file under the whole name for the delete.
    ASSERT_TRUE(kit::write_file(folder_ + L"\\main.c", HELLO));
    swprintf(ustawienia.compilerCommand, COMMAND_CAPACITY, L"gcc -o %ls.exe main.c", cut.c_str());
    click(IDC_COMPILE);
    ASSERT_TRUE(exists((cut + L".exe").c_str())) << testing::PrintToString(pane());
    ASSERT_TRUE(kit::write_file(folder_ + L"\\" + long_name + L".exe", "old"));

    swprintf(ustawienia.compilerCommand, COMMAND_CAPACITY, L"gcc -o %ls missing.c", long_name.c_str());
    SetCurrentDirectoryW(L"C:\\");
    kit::set_text(hOutput, L"");
    click(IDC_RUN);
    EXPECT_NE(pane().find(L"hello from the program"), std::wstring::npos)
        << "Run starts the name cut to 151 characters";

    click(IDC_COMPILE);
    EXPECT_FALSE(exists((long_name + L".exe").c_str())) << "Compile deletes the whole name";
    EXPECT_TRUE(exists((cut + L".exe").c_str()));
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(TopBarRun, CompileAndRunWithoutAnOutputOption)
{
    ASSERT_TRUE(kit::write_file(folder_ + L"\\main.c", HELLO));
    wcscpy(ustawienia.compilerCommand, L"gcc main.c");
    click(IDC_COMPILE);
    EXPECT_TRUE(exists(L"a.exe")) << "the compiler still runs: " << testing::PrintToString(pane());
    kit::set_text(hOutput, L"as it was");
    click(IDC_RUN);
    EXPECT_EQ(pane(), L"as it was") << "an empty command runs nothing";
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(TopBarRun, SystemCommandRunsInTheCurrentFolderOrIsRefusedWhenEmpty)
{
    click(IDC_COMMAND);
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].text, L"Brak komendy do wykonania.");
    EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
}

TEST(TopBarFiles, SaveAsksOnlyWithoutAFileAndACancelWritesNothing)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    kit::set_text(hEdit, L"int x;\r\n");

    // No file yet: Save asks; cancelled, nothing is written or shown.
    kit::on_next_dialog(kit::cancel_dialog());
    click(IDC_SAVE);
    EXPECT_EQ(kit::pending_handlers(), 0u) << "Save asked for a name";
    EXPECT_STREQ(current_file, L"");
    EXPECT_TRUE(kit::boxes().empty());

    // Save as, cancelled: still no file.
    kit::on_next_dialog(kit::cancel_dialog());
    click(IDC_SAVE_AS);
    EXPECT_EQ(kit::pending_handlers(), 0u);
    EXPECT_STREQ(current_file, L"");

    // A chosen name is written; the next Save writes there without asking.
    std::wstring path = dir + L"\\first.c";
    kit::on_next_dialog(kit::choose_file(path));
    click(IDC_SAVE);
    EXPECT_EQ(kit::read_file(path), "int x;\r\n");
    EXPECT_EQ(kit::text(mHwnd), path);
    kit::set_text(hEdit, L"int y;\r\n");
    size_t seen = kit::dialogs_seen().size();
    click(IDC_SAVE);
    EXPECT_EQ(kit::dialogs_seen().size(), seen) << "no dialog with a known file";
    EXPECT_EQ(kit::read_file(path), "int y;\r\n");

    // Open through the top bar loads the file and names it in the title.
    ASSERT_TRUE(kit::write_file(dir + L"\\other.c", "opened\r\n"));
    kit::on_next_dialog(kit::choose_file(dir + L"\\other.c"));
    click(IDC_OPEN);
    EXPECT_EQ(kit::text(hEdit), L"opened\r\n");
    EXPECT_EQ(kit::text(mHwnd), dir + L"\\other.c");
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
}

TEST(EditorKeys, CtrlSAlwaysAsksCtrlOOpensAndCtrlFShowsTheSearchDialog)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    kit::set_text(hEdit, L"saved by keys");
    wcscpy(current_file, (dir + L"\\known.c").c_str());

    // Ctrl+S asks even with a known file; a cancel empties current_file and writes nothing.
    kit::on_next_dialog(kit::cancel_dialog());
    kit::key_down(hEdit, 'S', kit::CTRL);
    EXPECT_EQ(kit::pending_handlers(), 0u);
    EXPECT_STREQ(current_file, L"");
    EXPECT_EQ(GetFileAttributesW((dir + L"\\known.c").c_str()), INVALID_FILE_ATTRIBUTES);

    kit::on_next_dialog(kit::choose_file(dir + L"\\keys.c"));
    kit::key_down(hEdit, 'S', kit::CTRL);
    EXPECT_EQ(kit::read_file(dir + L"\\keys.c"), "saved by keys");

    kit::set_text(hEdit, L"");
    kit::on_next_dialog(kit::choose_file(dir + L"\\keys.c"));
    kit::key_down(hEdit, 'O', kit::CTRL);
    EXPECT_EQ(kit::text(hEdit), L"saved by keys");

    std::wstring title;
    kit::on_next_dialog(kit::then_close([&](HWND d) { title = kit::text(d); }));
    kit::key_down(hEdit, 'F', kit::CTRL);
    EXPECT_EQ(title, search_langs[0]);
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
}

TEST(TopBarDialogs, TheThreeButtonsOpenTheirDialogs)
{
    kit::start_editor();
    struct Case {
        int button;
        const wchar_t* title;
    } cases[] = {{IDC_SETTINGS, set_langs[10]}, {IDC_SEARCH, search_langs[0]}, {IDC_SHORTCUTS, info_langs_1}};
    for (const Case& c : cases) {
        std::wstring title;
        kit::on_next_dialog(kit::then_close([&](HWND d) { title = kit::text(d); }));
        click(c.button);
        EXPECT_EQ(title, c.title) << "button " << c.button;
    }
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
    EXPECT_TRUE(kit::boxes().empty());
}

}  // namespace
