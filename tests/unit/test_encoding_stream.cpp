// Console output decoded as one stream, whatever pieces the pipe gives.
#include "run/oem_stream.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::wstring whole(UINT code_page, const std::string& bytes)
{
    std::vector<wchar_t> out(bytes.size() + 1);
    int n = MultiByteToWideChar(code_page, 0, bytes.data(), (int)bytes.size(), out.data(), (int)out.size());
    std::wstring s(out.data(), n);
    std::erase(s, L'\0');
    return s;
}

std::wstring in_pieces(UINT code_page, const std::string& bytes, const std::vector<size_t>& cuts)
{
    StreamDecoder decoder;
    stream_decoder_start(&decoder, code_page);
    std::wstring text;
    size_t from = 0;
    for (size_t i = 0; i <= cuts.size(); ++i) {
        size_t to = i < cuts.size() ? cuts[i] : bytes.size();
        std::vector<wchar_t> out(stream_decode_room(to - from));
        size_t n = stream_decode(&decoder, (const unsigned char*)bytes.data() + from, to - from, out.data(),
                                 false);
        EXPECT_LE(n, out.size() - 1);
        text.append(out.data(), n);
        from = to;
    }
    std::vector<wchar_t> out(stream_decode_room(0));
    text.append(out.data(), stream_decode(&decoder, nullptr, 0, out.data(), true));
    return text;
}

std::string hex(const std::string& bytes, const std::vector<size_t>& cuts)
{
    std::string out;
    char part[8];
    for (size_t i = 0; i < bytes.size(); ++i) {
        for (size_t c : cuts)
            if (c == i)
                out += "| ";
        snprintf(part, sizeof part, "%02X ", (unsigned char)bytes[i]);
        out += part;
    }
    return out;
}

struct Stream {
    const char* name;
    UINT code_page;
    std::string bytes;
};

std::vector<Stream> streams()
{
    return {
        // Shift-JIS, with trail bytes that could also lead (0x81 0x81 is U+3013).
        {"932", 932, "a\x82\xA0\x82\xA2\x81\x81\x81\x81z\x93\xFA\x96\x7B\x8C\xEA!"},
        {"936", 936, "x\xD6\xD0\xCE\xC4 \xBA\xBA\xD7\xD6"},
        {"UTF-8", CP_UTF8, "z\xC5\xBC\xC3\xB3\xC5\x82\xE6\xBC\xA2\xF0\x9F\x98\x80!\xE2\x82\xAC"},
        {"UTF-8 with bad bytes", CP_UTF8, "a\xE2\x82" "b\xF0\x9F\xC3\xB3\x80\xFF" "c\xE2"},
        {"437", 437, "box \xC9\xCD\xBB \x82t\xE9"},
        {"with 0 bytes", 932, std::string("a\0\x82\xA0\0b", 6)},
    };
}

TEST(OutputStream, CharacterCutBetweenTwoReadsComesOutWhole)
{
    for (const Stream& s : streams()) {
        SCOPED_TRACE(s.name);
        std::wstring expected = whole(s.code_page, s.bytes);
        for (size_t cut = 0; cut <= s.bytes.size(); ++cut) {
            SCOPED_TRACE(cut);
            EXPECT_EQ(in_pieces(s.code_page, s.bytes, {cut}), expected);
        }
        std::vector<size_t> every;
        for (size_t i = 1; i < s.bytes.size(); ++i)
            every.push_back(i);
        EXPECT_EQ(in_pieces(s.code_page, s.bytes, every), expected) << "one byte a read";
    }
}

// Random characters of each code page, cut at random places.
TEST(OutputStream, RandomPiecesMatchOneDecoding)
{
    std::mt19937 random(99);
    for (UINT code_page : {932u, 936u, 949u, (UINT)CP_UTF8, 866u}) {
        SCOPED_TRACE(code_page);
        for (int round = 0; round < 300; ++round) {
            std::wstring text;
            for (int i = random() % 30; i > 0; --i) {
                wchar_t c = (wchar_t)(random() % 3 ? 0x4E00 + random() % 0x2000 : 0x20 + random() % 0x5F);
                if (code_page == 866u && c > 0x7F)
                    c = (wchar_t)(0x410 + random() % 0x40);
                text += c;
            }
            if (code_page == CP_UTF8 && round % 2)
                text += L"\U0001F600";
            char encoded[512];
            int n = WideCharToMultiByte(code_page, 0, text.data(), (int)text.size(), encoded, sizeof encoded,
                                        NULL, NULL);
            std::string bytes(encoded, n);
            std::vector<size_t> cuts;
            for (size_t at = random() % 4; at < bytes.size(); at += 1 + random() % 5)
                cuts.push_back(at);
            ASSERT_EQ(in_pieces(code_page, bytes, cuts), whole(code_page, bytes)) << hex(bytes, cuts);
        }
    }
}

// Broken bytes in random pieces: nothing is read outside them and no 0 slips in.
TEST(OutputStream, RandomBrokenBytesStayWithinBounds)
{
    std::mt19937 random(7);
    for (UINT code_page : {932u, (UINT)CP_UTF8, 437u}) {
        for (int round = 0; round < 500; ++round) {
            std::string bytes;
            for (int i = random() % 60; i > 0; --i)
                bytes += (char)(random() % 4 ? 0x80 + random() % 0x80 : random() % 256);
            std::vector<size_t> cuts;
            for (size_t at = 0; at < bytes.size(); at += 1 + random() % 5)
                cuts.push_back(at);
            std::wstring text = in_pieces(code_page, bytes, cuts);
            ASSERT_LE(text.size(), bytes.size()) << hex(bytes, cuts);
            ASSERT_EQ(text.find(L'\0'), std::wstring::npos);
        }
    }
}

}  // namespace
