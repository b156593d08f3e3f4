// Text file bytes to editor text and back.
#include "editor/encoding.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdlib.h>

#include <random>
#include <string>

namespace {

std::wstring decode(const std::string& bytes)
{
    size_t length = 99;
    wchar_t* text = decode_file_bytes((const unsigned char*)bytes.data(), bytes.size(), &length);
    EXPECT_NE(text, nullptr);
    if (!text)
        return L"<null>";
    EXPECT_EQ(text[length], L'\0');
    std::wstring out(text, length);
    free(text);
    return out;
}

std::string encode(const std::wstring& text)
{
    size_t size = 0;
    unsigned char* bytes = encode_utf8(text.data(), text.size(), &size);
    EXPECT_NE(bytes, nullptr);
    if (!bytes)
        return "<null>";
    std::string out((const char*)bytes, size);
    free(bytes);
    return out;
}

// What the ANSI code page of this run makes of the bytes.
std::wstring ansi(const std::string& bytes)
{
    wchar_t out[256];
    int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), (int)bytes.size(), out, 256);
    return std::wstring(out, n);
}

const std::wstring POLISH = L"Zażółć gęślą jaźń\r\nŁÓDŹ";
const std::wstring CYRILLIC = L"Съешь же ещё этих мягких французских булок";
const std::wstring CJK = L"漢字かな交じり文 한국어 中文";
const std::wstring EMOJI = L"smile \U0001F600 and \U0001F680\r\n";

TEST(Encoding, DecodesEachKindOfFile)
{
    struct Case {
        const char* name;
        std::string bytes;
        std::wstring expected;
    } cases[] = {
        {"empty", "", L""},
        {"UTF-16 mark alone", "\xFF\xFE", L""},
        {"UTF-16", std::string("\xFF\xFE" "A\0\x05\x01", 6), L"A\u0105"},
        {"UTF-16 odd byte dropped", std::string("\xFF\xFE" "A\0B", 5), L"A"},
        {"UTF-16 pair", std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), L"\U0001F600"},
        {"big-endian mark is ANSI up to its 0 byte", std::string("\xFE\xFF\0A", 4), ansi("\xFE\xFF")},
        {"UTF-8 mark dropped", "\xEF\xBB\xBFz\xC5\xBC", L"z\u017C"},
        {"UTF-8 mark alone", "\xEF\xBB\xBF", L""},
        {"UTF-8 mark then a bad byte", "\xEF\xBB\xBFx\xFF", L"x\uFFFD"},
        {"cut UTF-8 mark is ANSI", "\xEF\xBB", ansi("\xEF\xBB")},
        {"valid UTF-8 without mark", "za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87", L"zażółć"},
        {"four-byte UTF-8", "\xF0\x9F\x98\x80", L"\U0001F600"},
        {"UTF-8 ends at a 0 byte", std::string("a\xC5\x82\0b", 5), L"ał"},
        {"ANSI", "caf\xE9", ansi("caf\xE9")},
        {"ANSI ends at a 0 byte", std::string("\xE9t\0\xE9", 4), ansi("\xE9t")},
        {"overlong form is ANSI", "\xC0\x80x", ansi("\xC0\x80x")},
        {"encoded surrogate is ANSI", "\xED\xA0\x80", ansi("\xED\xA0\x80")},
        {"past U+10FFFF is ANSI", "\xF4\x90\x80\x80", ansi("\xF4\x90\x80\x80")},
        {"cut sequence is ANSI", "ab\xE2\x82", ansi("ab\xE2\x82")},
        {"stray continuation is ANSI", "a\x80", ansi("a\x80")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decode(c.bytes), c.expected);
    }
}

TEST(Encoding, WritesUtf8ThatReadsBackUnchanged)
{
    for (const std::wstring& text : {POLISH, CYRILLIC, CJK, EMOJI, std::wstring(L"plain\r\n")}) {
        std::string bytes = encode(text);
        SCOPED_TRACE(bytes);
        EXPECT_EQ(bytes.find('\0'), std::string::npos);
        EXPECT_EQ(decode(bytes), text);
    }
    EXPECT_EQ(encode(L"\u0105"), "\xC4\x85");
    EXPECT_EQ(encode(L"\u4E2D"), "\xE4\xB8\xAD");
    EXPECT_EQ(encode(L"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(encode(L""), "");
}

TEST(Encoding, LoneSurrogateBecomesReplacementCharacter)
{
    const std::string fffd = "\xEF\xBF\xBD";
    struct Case {
        const char* name;
        std::wstring text;
        std::string bytes;
    } cases[] = {
        {"high alone", std::wstring(L"a") + (wchar_t)0xD83D + L"b", "a" + fffd + "b"},
        {"low alone", std::wstring(L"a") + (wchar_t)0xDE00, "a" + fffd},
        {"high at the end", std::wstring(L"a") + (wchar_t)0xD83D, "a" + fffd},
        {"pair in the wrong order", std::wstring() + (wchar_t)0xDE00 + (wchar_t)0xD83D, fffd + fffd},
        {"two highs then a low", std::wstring() + (wchar_t)0xD83D + (wchar_t)0xD83D + (wchar_t)0xDE00,
         fffd + "\xF0\x9F\x98\x80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(encode(c.text), c.bytes);
    }
}

TEST(Encoding, MalformedInputsGiveTerminatedTextsWithinBounds)
{
    std::mt19937 random(1234);
    const std::string starts[] = {"", "\xFF\xFE", "\xFF", "\xEF\xBB\xBF", "\xEF\xBB", "\xEF", "\xFE\xFF"};
    const unsigned char pieces[] = {0x00, 0x41, 0x80, 0xBF, 0xC0, 0xC2, 0xDF, 0xE0, 0xED, 0xEF,
                                    0xF0, 0xF4, 0xF5, 0xFE, 0xFF, 0xA0, 0x9F, 0x0D, 0x0A};
    for (int round = 0; round < 4000; ++round) {
        std::string bytes = starts[round % 7];
        size_t length = random() % 40;
        for (size_t i = 0; i < length; ++i)
            bytes += (char)(round % 2 ? pieces[random() % sizeof pieces] : random() % 256);
        size_t units = 12345;
        wchar_t* text = decode_file_bytes((const unsigned char*)bytes.data(), bytes.size(), &units);
        ASSERT_NE(text, nullptr);
        ASSERT_LE(units, bytes.size());
        ASSERT_EQ(text[units], L'\0');
        bool utf16 = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
        if (!utf16)
            ASSERT_EQ(wcslen(text), units) << "a 0 byte ends the text";
        // Whatever was read, writing it gives UTF-8 that reads back as the same text.
        if (!utf16) {
            std::string again = encode(std::wstring(text, units));
            ASSERT_TRUE(is_valid_utf8((const unsigned char*)again.data(), again.size()));
        }
        free(text);
    }
}

}  // namespace
