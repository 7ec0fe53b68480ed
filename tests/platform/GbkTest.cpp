#include "platform/Gbk.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace velmora {
namespace {

// True when text is well-formed UTF-8 (what the panes and widgets are given).
bool IsUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80         ? 1
                              : (c >> 5) == 6  ? 2
                              : (c >> 4) == 14 ? 3
                              : (c >> 3) == 30 ? 4
                                               : 0;
        if (n == 0 || i + n > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

TEST(Gbk, ChineseTextRoundTrips) {
    const std::string utf8 = "梯图编辑器 X000.0 行数超出范围!";
    const std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 5 * 2 + 8 + 6 * 2 + 1);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
    EXPECT_EQ(Utf8ToGbk("中"), "\xD6\xD0");
    EXPECT_EQ(GbkToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
    EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(Gbk, UnconvertibleCharactersBecomeOneQuestionMarkEach) {
    struct Case {
        std::string in;
        std::string out;
    };
    for (const Case& c : {
             Case{"\xFF"
                  "A",
                  "?A"},
             Case{"A\xB0", "A?"},   // a lead byte cut off at the end
             Case{"\x81 x", "? x"}, // a lead byte without a trail byte
             Case{"\xAA\xA1"
                  "B",
                  "?B"}, // a pair without a mapping stays one character
             Case{"\xD6\xD0\xFF\xD6\xD0", "中?中"},
         }) {
        EXPECT_EQ(GbkToUtf8(c.in), c.out);
    }
    for (const Case& c : {
             Case{"\xF0\x9F\x98\x80!", "?!"}, // a character GBK does not have
             Case{"a\xC3", "a?"},
             Case{"\xC3(", "?("},
             Case{"\x80\x80z", "?z"},
         }) {
        EXPECT_EQ(Utf8ToGbk(c.in), c.out);
    }
}

TEST(Gbk, AnyBytesGiveWellFormedUtf8) {
    std::string all;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            all += static_cast<char>(a);
            all += static_cast<char>(b);
        }
    }
    EXPECT_TRUE(IsUtf8(GbkToUtf8(all)));
    EXPECT_FALSE(Utf8ToGbk(all).empty());
}

TEST(Gbk, CutNeverSplitsADoubleByteCharacter) {
    const std::string zhong = "\xD6\xD0";
    struct Case {
        std::string text;
        std::size_t maxBytes;
        std::size_t length;
    };
    for (const Case& c : {
             Case{"abc", 2, 2},
             Case{"abc", 10, 3},
             Case{zhong + zhong, 3, 2},
             Case{zhong + zhong, 4, 4},
             Case{"a" + zhong, 2, 1},
             Case{"a" + zhong, 3, 3},
             Case{zhong, 1, 0},
             Case{zhong, 0, 0},
             Case{"\x81\x40", 1, 0}, // trail byte in the ASCII range
             Case{"\x81\x40"
                  "A",
                  2, 2},
             Case{"ab\xB0", 3, 3}, // a stray lead byte at the end is a byte of its own
             Case{"", 5, 0},
         }) {
        EXPECT_EQ(GbkCutLength(c.text, c.maxBytes), c.length) << c.text << " " << c.maxBytes;
    }
}

TEST(Gbk, FieldsAreReadByWidthAndWrittenNulFilled) {
    std::array<char, 8> field;
    field.fill('#');
    SetField(field.data(), 6, "\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD0");
    EXPECT_EQ(std::string(field.data(), 8), "\xD6\xD0\xD6\xD0\xD6\xD0##");
    SetField(field.data(), 6, "ab");
    EXPECT_EQ(std::string(field.data(), 8), std::string("ab\0\0\0\0##", 8));
    EXPECT_EQ(FieldText(field.data(), 6), "ab");
    field.fill('z');
    EXPECT_EQ(FieldText(field.data(), 6), "zzzzzz");
}

} // namespace
} // namespace velmora
