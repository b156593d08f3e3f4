// Project files: reading malformed images, and writing and reading files on disk.
#include "settings/project.h"
#include "settings/record.h"

#include <gtest/gtest.h>

#include <string.h>
#include <wchar.h>

#include <random>
#include <string>
#include <vector>

namespace {

bool terminated_within(const wchar_t* field, size_t units)
{
    return wmemchr(field, L'\0', units) != nullptr;
}

// Fills an image the way a damaged or foreign file might look.
void make_malformed_image(std::mt19937& random, std::vector<unsigned char>& image, int kind)
{
    std::uniform_int_distribution<int> byte(0, 255);
    for (auto& b : image)
        b = (unsigned char)byte(random);
    if (image.size() < PROJECT_IMAGE_SIZE)
        return;
    auto fill_units = [&](size_t offset, size_t units, uint16_t unit) {
        for (size_t i = 0; i < units; ++i) {
            image[offset + 2 * i] = (unsigned char)(unit & 0xFF);
            image[offset + 2 * i + 1] = (unsigned char)(unit >> 8);
        }
    };
    auto put_i32 = [&](size_t offset, int32_t v) { memcpy(&image[offset], &v, 4); };
    switch (kind % 4) {
    case 0:  // every text without a terminator
        fill_units(0, 600, 'x');
        fill_units(1200, 600, 0xD800);  // a lone surrogate, too
        fill_units(2436, 32, 'F');
        fill_units(2500, 400, 'n');
        break;
    case 1:  // absurd font fields
        put_i32(2408, INT32_MIN);
        put_i32(2412, INT32_MAX);
        put_i32(2424, -1);
        fill_units(2436, 32, 0xFFFF);
        break;
    case 2:  // terminators only in the last unit of each field
        fill_units(0, 600, 'a');
        image[1198] = image[1199] = 0;
        break;
    default:  // random bytes as they are
        break;
    }
}

TEST(ProjectImage, MalformedImagesAreRefusedWholeOrGiveBoundedTerminatedFields)
{
    std::mt19937 random(20240501);
    Settings before;
    write_default_settings(before);
    int accepted = 0;
    for (size_t length = 0; length <= 3400; ++length) {
        for (int kind = 0; kind < (length >= PROJECT_IMAGE_SIZE ? 4 : 1); ++kind) {
            SCOPED_TRACE(testing::Message() << "length " << length << " kind " << kind);
            std::vector<unsigned char> image(length);
            make_malformed_image(random, image, kind);
            Settings record = before;
            bool read = read_project_image(image.data(), image.size(), record);
            ASSERT_EQ(read, length >= PROJECT_IMAGE_SIZE);
            if (!read) {
                ASSERT_EQ(memcmp(&record, &before, sizeof record), 0) << "a refused image changes nothing";
                continue;
            }
            ++accepted;
            ASSERT_TRUE(terminated_within(record.compilerCommand, COMMAND_CAPACITY));
            ASSERT_TRUE(terminated_within(record.systemCommand, COMMAND_CAPACITY));
            ASSERT_TRUE(terminated_within(record.fontSetting.lfFaceName, LF_FACESIZE));
            for (auto& name : record.jumpNames)
                ASSERT_TRUE(terminated_within(name, JUMP_NAME_CAPACITY));
            // Everything but the terminators put in is taken as it stands.
            unsigned char written[PROJECT_IMAGE_SIZE];
            write_project_image(record, written);
            EXPECT_EQ(memcmp(written + 2400, image.data() + 2400, 36), 0) << "colours and font numbers";
            EXPECT_EQ(memcmp(written + 3300, image.data() + 3300, 2), 0) << "reserved value";
            wchar_t copy[COMMAND_CAPACITY];
            copy_field_text(record.compilerCommand, COMMAND_CAPACITY, copy, COMMAND_CAPACITY);
            ASSERT_LT(wcslen(copy), (size_t)COMMAND_CAPACITY);
        }
    }
    EXPECT_EQ(accepted, 4 * (3400 - PROJECT_IMAGE_SIZE + 1));
}

class ProjectFiles : public testing::Test {
protected:
    void SetUp() override
    {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        folder_ = std::wstring(base) + L"ewproj_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), NULL);
        write_default_settings(record_);
    }
    void TearDown() override
    {
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((folder_ + L"\\" + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring path(const wchar_t* name) const { return folder_ + L"\\" + name; }
    std::string bytes_of(const std::wstring& file) const
    {
        std::string out;
        FILE* f = _wfopen(file.c_str(), L"rb");
        if (!f)
            return out;
        char chunk[4096];
        size_t n;
        while ((n = fread(chunk, 1, sizeof chunk, f)) > 0)
            out.append(chunk, n);
        fclose(f);
        return out;
    }
    void put(const std::wstring& file, const std::string& bytes) const
    {
        FILE* f = _wfopen(file.c_str(), L"wb");
        ASSERT_NE(f, nullptr);
        fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    int files_in_folder() const
    {
        int n = 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((folder_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return 0;
        do
            n += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        while (FindNextFileW(search, &found));
        FindClose(search);
        return n;
    }
    std::wstring folder_;
    Settings record_;
};

TEST_F(ProjectFiles, WriteGivesExactlyTheImageAndReplacesAnOlderFile)
{
    std::wstring file = path(L"p.kedp");
    put(file, std::string(5000, 'o'));
    wcscpy(record_.systemCommand, L"dir");
    ASSERT_TRUE(write_project_file(file.c_str(), record_));
    unsigned char image[PROJECT_IMAGE_SIZE];
    write_project_image(record_, image);
    EXPECT_EQ(bytes_of(file), std::string((const char*)image, PROJECT_IMAGE_SIZE));
    EXPECT_EQ(files_in_folder(), 1) << "no temporary file is left behind";
}

TEST_F(ProjectFiles, AFailedWriteLeavesTheTargetAsItWas)
{
    // Under a folder that does not exist nothing can be created.
    std::wstring missing = path(L"no such folder\\p.kedp");
    ASSERT_EQ(GetFileAttributesW(path(L"no such folder").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(write_project_file(missing.c_str(), record_));
    EXPECT_EQ(GetFileAttributesW(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    // A target that another program holds open cannot be replaced; it keeps its bytes.
    std::wstring busy = path(L"busy.kedp");
    put(busy, "older project");
    HANDLE held = CreateFileW(busy.c_str(), GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HANDLE writer = CreateFileW(busy.c_str(), GENERIC_WRITE, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_EQ(writer, INVALID_HANDLE_VALUE) << "the held file must really be unwritable";
    bool written = write_project_file(busy.c_str(), record_);
    CloseHandle(held);
    EXPECT_FALSE(written);
    EXPECT_EQ(bytes_of(busy), "older project");
    EXPECT_EQ(files_in_folder(), 1) << "the temporary file is removed";
}

TEST_F(ProjectFiles, ReadTakesOnlyWholeImagesAndIgnoresTheTail)
{
    Settings saved = record_;
    wcscpy(saved.compilerCommand, L"gcc -o x x.c");
    saved.reservedWord = 9;
    unsigned char image[PROJECT_IMAGE_SIZE];
    write_project_image(saved, image);
    std::string whole((const char*)image, PROJECT_IMAGE_SIZE);

    struct ReadCase {
        const char* name;
        std::string bytes;
        ProjectReadResult expected;
    };
    const ReadCase cases[] = {
        {"exact", whole, PROJECT_READ},
        {"longer", whole + std::string(98, '\x7f'), PROJECT_READ},
        {"one byte short", whole.substr(0, PROJECT_IMAGE_SIZE - 1), PROJECT_TOO_SHORT},
        {"empty", "", PROJECT_TOO_SHORT},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::wstring file = path(L"r.bin");
        put(file, c.bytes);
        Settings record;
        write_default_settings(record);
        Settings before = record;
        EXPECT_EQ(read_project_file(file.c_str(), record), c.expected);
        const Settings& want = c.expected == PROJECT_READ ? saved : before;
        EXPECT_EQ(memcmp(&record, &want, PROJECT_IMAGE_SIZE), 0);
    }
    Settings record = record_;
    EXPECT_EQ(read_project_file(path(L"absent.bin").c_str(), record), PROJECT_NOT_OPENED);
    EXPECT_EQ(memcmp(&record, &record_, sizeof record), 0);
}

}  // namespace
