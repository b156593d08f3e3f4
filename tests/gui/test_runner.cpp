// Commands run through the real command interpreter with their output in the pane.
#include "kit.h"

#include "EditWindow.h"
#include "settings/record.h"

#include <gtest/gtest.h>

#include "start_folder.h"

#include <string>

namespace {

using Runner = StartFolderTest;

TEST_F(Runner, StandardOutputAndErrorBothReachThePane)
{
    kit::set_text(hOutput, L"before");
    RunCommandAndRedirect(L"echo to out& echo to err 1>&2& echo again");
    std::wstring shown = pane();
    EXPECT_NE(shown.find(L"to out"), std::wstring::npos);
    EXPECT_NE(shown.find(L"to err"), std::wstring::npos);
    EXPECT_NE(shown.find(L"again"), std::wstring::npos);
    EXPECT_EQ(shown.find(L"before"), std::wstring::npos) << "a run replaces what the pane held";
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(Runner, LongOutputInManyBurstsArrivesWhole)
{
    // Far beyond one read and beyond the pane's default typing limit.
    std::string content;
    char line[80];
    for (int i = 0; i < 3000; ++i) {
        wsprintfA(line, "line %05d of a long listing, with some more words after it\r\n", i);
        content += line;
    }
    ASSERT_TRUE(kit::write_file(folder_ + L"\\long.txt", content));
    RunCommandAndRedirect(L"type long.txt");
    EXPECT_EQ(pane(), std::wstring(content.begin(), content.end()));

    // Each echo is a write of its own; the second run replaces the first one's text.
    RunCommandAndRedirect(L"for /L %i in (1,1,400) do @echo burst %i");
    std::wstring expected;
    for (int i = 1; i <= 400; ++i)
        expected += L"burst " + std::to_wstring(i) + L"\r\n";
    EXPECT_EQ(pane(), expected);
}

TEST_F(Runner, SilentCommandLeavesThePaneAsItWas)
{
    for (const wchar_t* command : {L"rem nothing to say", L"cd .", L""}) {
        SCOPED_TRACE(testing::Message() << (int)wcslen(command));
        kit::set_text(hOutput, L"Kompilowanie");
        RunCommandAndRedirect(command);
        EXPECT_EQ(pane(), L"Kompilowanie");
    }
    EXPECT_TRUE(kit::boxes().empty());
}

TEST_F(Runner, CommandLongerThanTheOldBufferIsNotCut)
{
    std::wstring word(3000, L'x');
    word += L"END";
    RunCommandAndRedirect((L"echo " + word).c_str());
    EXPECT_EQ(pane(), word + L"\r\n");
}

TEST_F(Runner, DeletingAMissingFileShowsTheComplaint)
{
    kit::set_text(hOutput, L"Kompilowanie");
    RunCommandAndRedirect(L"del missing_program.exe");
    std::wstring shown = pane();
    EXPECT_NE(shown, L"Kompilowanie");
    EXPECT_NE(shown.find(L"missing_program.exe"), std::wstring::npos) << "the complaint names the file";
}

TEST_F(Runner, EmptySystemCommandIsRefused)
{
    ExecuteSystemCommand(L"");
    ExecuteSystemCommand(nullptr);
    ASSERT_EQ(kit::boxes().size(), 2u);
    for (const kit::Box& box : kit::boxes()) {
        EXPECT_EQ(box.text, L"Brak komendy do wykonania.");
        EXPECT_EQ(box.caption, L"Błąd");
        EXPECT_EQ(box.icon, (UINT)MB_ICONERROR);
        EXPECT_EQ(box.owner, (HWND)NULL);
    }
}

// The top bar's Compile and Run buttons, from a current folder elsewhere (as after
// a file dialog moved it): both work in the start-up folder.
void click_top_bar(int id)
{
    SetCurrentDirectoryW(L"C:\\");
    SendMessageW(kit::find_control(hTopBar, id), BM_CLICK, 0, 0);
}

void compile() { click_top_bar(IDC_COMPILE); }
void run() { click_top_bar(IDC_RUN); }

TEST_F(Runner, DefaultCompileBuildsAProgramThatRunShows)
{
    ASSERT_STREQ(ustawienia.compilerCommand, L"gcc -o out_file main.c");
    ASSERT_TRUE(kit::write_file(folder_ + L"\\main.c",
                                "#include <stdio.h>\nint main(void)\n{\n    printf(\"hello from out_file\\n\");\n"
                                "    fprintf(stderr, \"and its error line\\n\");\n    return 3;\n}\n"));
    compile();
    ASSERT_TRUE(exists(L"out_file.exe")) << "pane: " << testing::PrintToString(pane());

    kit::set_text(hOutput, L"");
    run();
    EXPECT_NE(pane().find(L"hello from out_file"), std::wstring::npos);
    EXPECT_NE(pane().find(L"and its error line"), std::wstring::npos);

    ASSERT_TRUE(kit::write_file(folder_ + L"\\main.c", "int main(void)\n{\n    return missing_name;\n}\n"));
    compile();
    EXPECT_FALSE(exists(L"out_file.exe")) << "the delete command removed the old program";
    std::wstring shown = pane();
    EXPECT_NE(shown.find(L"main.c"), std::wstring::npos);
    EXPECT_NE(shown.find(L"missing_name"), std::wstring::npos);
    EXPECT_NE(shown.find(L"error"), std::wstring::npos);
    EXPECT_TRUE(kit::boxes().empty());
}

}  // namespace
