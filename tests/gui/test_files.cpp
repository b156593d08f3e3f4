// Opening and saving text files through the real file dialogs.
#include "kit.h"

#include "EditWindow.h"
#include "editor/encoding.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

namespace {

std::string utf8(const std::wstring& text)
{
    size_t size = 0;
    unsigned char* bytes = encode_utf8(text.data(), text.size(), &size);
    std::string out((const char*)bytes, size);
    free(bytes);
    return out;
}

// Names in a folder, to see that a failed save leaves nothing behind.
std::vector<std::wstring> folder_names(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

bool can_write(const std::wstring& path)
{
    HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                           OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(f);
    return true;
}

void open_through_dialog(const std::wstring& path)
{
    kit::on_next_dialog(kit::choose_file(path));
    OpenFileAndLoadToEdit(hEdit, hTopBar);
    EXPECT_EQ(kit::pending_handlers(), 0u) << "the open dialog was shown";
}

const std::wstring MIXED = L"Zażółć gęślą jaźń\r\nСъешь ещё\r\n漢字 한국어\r\n\U0001F600 end";

TEST(TextFiles, OpenShowsTheFileAndNamesItInTheTitle)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    struct Case {
        const char* name;
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"UTF-8", utf8(MIXED), MIXED},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8(L"łódź\r\n"), L"łódź\r\n"},
        {"UTF-16 with odd byte", std::string("\xFF\xFE" "a\0\x42\x01z", 7), L"a\u0142"},
        {"ANSI up to its 0 byte", std::string("caf\xE9\0rest", 9), L"caf\u00E9"},
        {"empty", "", L""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring path = dir + L"\\file" + std::to_wstring(++n) + L".txt";
        ASSERT_TRUE(kit::write_file(path, c.bytes));
        kit::set_text(hEdit, L"old text");
        open_through_dialog(path);
        EXPECT_EQ(kit::text(hEdit), c.text);
        EXPECT_EQ(std::wstring(current_file), path);
        EXPECT_EQ(kit::text(mHwnd), path);
    }
    EXPECT_TRUE(kit::boxes().empty());
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
}

TEST(TextFiles, CancelledOpenOrUnreadableFileChangesNothing)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    std::wstring before = dir + L"\\before.txt";
    ASSERT_TRUE(kit::write_file(before, "before"));
    open_through_dialog(before);

    kit::on_next_dialog(kit::cancel_dialog());
    OpenFileAndLoadToEdit(hEdit, hTopBar);
    EXPECT_EQ(kit::text(hEdit), L"before");
    EXPECT_TRUE(kit::boxes().empty());

    // Held open by another handle that shares nothing.
    std::wstring held = dir + L"\\held.txt";
    ASSERT_TRUE(kit::write_file(held, "held content"));
    HANDLE other = CreateFileW(held.c_str(), GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    open_through_dialog(held);
    CloseHandle(other);

    EXPECT_EQ(kit::text(hEdit), L"before");
    EXPECT_EQ(std::wstring(current_file), before);
    EXPECT_EQ(kit::text(mHwnd), before);
    ASSERT_EQ(kit::boxes().size(), 1u);
    EXPECT_EQ(kit::boxes()[0].text, L"Nie można otworzyć pliku!");
    EXPECT_EQ(kit::boxes()[0].caption, L"Błąd");
    EXPECT_EQ(kit::boxes()[0].icon, (UINT)MB_ICONERROR);
    // A child cannot own a window: the box given the top bar belongs to its main window.
    EXPECT_EQ(kit::boxes()[0].owner, mHwnd);
}

TEST(TextFiles, SaveDialogStartsWithTheLastPathComponent)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    struct Case {
        const wchar_t* path;
        const wchar_t* shown;
    } cases[] = {
        {L"C:\\one\\two\\name.txt", L"name.txt"},
        {L"C:/one/two/slashed.c", L"slashed.c"},
        {L"C:\\one/two\\mixed.txt", L"mixed.txt"},
        {L"C:\\one\\two/last-slash.txt", L"last-slash.txt"},
        {L"bare.txt", L"bare.txt"},
        {L"", L""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (const char*)utf8(c.path).c_str());
        std::wstring chosen = dir + L"\\saved" + std::to_wstring(++n);  // no extension: "txt" is added
        std::wstring shown = L"<no dialog>";
        kit::on_next_dialog([&](HWND dialog) {
            shown = kit::text(GetDlgItem(dialog, 0x47c));
            kit::choose_file(chosen)(dialog);
        });
        wchar_t path[400];
        wcscpy(path, c.path);
        SaveFileDialog(path, 260, NULL);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(std::wstring(path), chosen + L".txt");
        EXPECT_EQ(kit::text(mHwnd), chosen + L".txt");
    }

    // Cancelled: the path is emptied, the title stays.
    wchar_t path[400] = L"C:\\kept\\name.txt";
    kit::on_next_dialog(kit::cancel_dialog());
    SaveFileDialog(path, 260, NULL);
    EXPECT_EQ(std::wstring(path), L"");
    EXPECT_EQ(kit::text(mHwnd), dir + L"\\saved" + std::to_wstring(n) + L".txt");
    EXPECT_TRUE(kit::unexpected_dialogs().empty());
}

TEST(TextFiles, SavedTextOpensAgainUnchanged)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();
    std::wstring lone = std::wstring(L"lone ") + (wchar_t)0xD83D + L" half";
    struct Case {
        const char* name;
        std::wstring text;
        std::wstring reopened;
    } cases[] = {
        {"Polish, Cyrillic, CJK and emoji", MIXED, MIXED},
        {"lone surrogate", lone, L"lone \uFFFD half"},
        {"empty", L"", L""},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring path = dir + L"\\round" + std::to_wstring(++n) + L".txt";
        ASSERT_TRUE(kit::write_file(path, "older and longer content"));
        EXPECT_EQ(SaveTextToFile(path.c_str(), c.text.c_str()), 1);
        EXPECT_EQ(kit::read_file(path), utf8(c.text));
        kit::set_text(hEdit, L"something else");
        open_through_dialog(path);
        EXPECT_EQ(kit::text(hEdit), c.reopened);
    }
    EXPECT_EQ(folder_names(dir).size(), 3u) << "no temporary file is left";
    EXPECT_TRUE(kit::boxes().empty());
}

void expect_failed_save(const std::wstring& path, const std::string& old_bytes)
{
    kit::clear_boxes();
    EXPECT_EQ(SaveTextToFile(path.c_str(), L"new text"), 0);
    ASSERT_EQ(kit::boxes().size(), 1u);
    const kit::Box& box = kit::boxes()[0];
    EXPECT_EQ(box.caption, L"Błąd");
    EXPECT_EQ(box.icon, (UINT)MB_ICONERROR);
    EXPECT_NE(box.text.find(path), std::wstring::npos) << "the box names the file";
    EXPECT_EQ(box.owner, (HWND)NULL);
    EXPECT_EQ(kit::read_file(path), old_bytes);
}

TEST(TextFiles, FailedSaveKeepsTheOldFileAndSaysSo)
{
    kit::start_editor();
    std::wstring dir = kit::temp_dir();

    std::wstring held = dir + L"\\held.txt";
    ASSERT_TRUE(kit::write_file(held, "old bytes"));
    HANDLE other = CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    ASSERT_FALSE(can_write(held)) << "the held file must refuse writers for this test";
    expect_failed_save(held, "old bytes");
    CloseHandle(other);
    EXPECT_EQ(folder_names(dir), std::vector<std::wstring>{L"held.txt"}) << "the new content is gone";

    expect_failed_save(dir + L"\\missing folder\\new.txt", "");

    // No path (a cancelled dialog emptied it): nothing written, nothing shown.
    kit::clear_boxes();
    EXPECT_EQ(SaveTextToFile(L"", L"text"), 0);
    EXPECT_EQ(SaveTextToFile(nullptr, L"text"), 0);
    EXPECT_EQ(SaveTextToFile(held.c_str(), nullptr), 0);
    EXPECT_TRUE(kit::boxes().empty());
    EXPECT_EQ(kit::read_file(held), "old bytes");
}

// Needs a file that the Linux side made immutable (run by its own CTest entry
// with that fixture); as root, Wine writes through read-only modes.
TEST(TextFiles, SaveOverProtectedFileKeepsItsBytes)
{
    const char* unix_path = getenv("EDITWINDOW_IMMUTABLE_FILE");
    if (!unix_path)
        GTEST_SKIP() << "no immutable file given";
    std::wstring path = L"Z:";
    for (const char* p = unix_path; *p; ++p)
        path += *p == '/' ? L'\\' : (wchar_t)*p;
    ASSERT_FALSE(can_write(path)) << "the file must really be unwritable";
    std::string old_bytes = kit::read_file(path);
    ASSERT_FALSE(old_bytes.empty());
    kit::start_editor();
    expect_failed_save(path, old_bytes);
    std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    EXPECT_EQ(folder_names(folder).size(), 1u) << "the new content is gone";
}

}  // namespace
