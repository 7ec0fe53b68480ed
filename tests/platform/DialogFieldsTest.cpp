#include "platform/DialogFields.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(DialogFields, IntegerFieldsAcceptOnlyASignedNumberBetweenBlanks) {
    struct Case {
        const char* text;
        std::optional<int> signedValue;
        std::optional<unsigned> unsignedValue;
    };
    const Case cases[] = {
        {"12", 12, 12u},
        {"  7\t", 7, 7u},
        {"+3", 3, 3u},
        {"-5", -5, std::nullopt},
        {"0", 0, 0u},
        {"", std::nullopt, std::nullopt},
        {"  ", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"12a", std::nullopt, std::nullopt},
        {"1 2", std::nullopt, std::nullopt},
        {"0x10", std::nullopt, std::nullopt},
        {"2147483647", 2147483647, 2147483647u},
        {"-2147483648", -2147483647 - 1, std::nullopt},
        {"2147483648", std::nullopt, 2147483648u},
        {"4294967295", std::nullopt, 4294967295u},
        {"4294967296", std::nullopt, std::nullopt},
        {"99999999999999999999999", std::nullopt, std::nullopt},
        {"１２", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSignedField(c.text), c.signedValue) << c.text;
        EXPECT_EQ(ParseUnsignedField(c.text), c.unsignedValue) << c.text;
    }
}

TEST(DialogFields, MessagesReadAsTheDialogsShowThem) {
    EXPECT_EQ(NotIntegerMessage(), "请键入一个整数。");
    EXPECT_EQ(NotPositiveIntegerMessage(), "“请填入一个正整数。”");
    EXPECT_EQ(RangeMessage(1, 9999), "“请填入一个在1和9999之间的整数。”");
    EXPECT_EQ(TooLongMessage(15), "“请填入不多于15个的字符。”");
}

TEST(DialogFields, GbkLengthCountsTheBytesTheFilesStore) {
    EXPECT_EQ(GbkLength(""), 0u);
    EXPECT_EQ(GbkLength("X0.0"), 4u);
    EXPECT_EQ(GbkLength("梯形图"), 6u);
    EXPECT_EQ(GbkLength("A梯"), 3u);
    EXPECT_TRUE(EncodesInGbk("梯形图 V1.2"));
    EXPECT_FALSE(EncodesInGbk("😀"));
    EXPECT_FALSE(EncodesInGbk("A\xE6"));
    EXPECT_FALSE(EncodesInGbk("한국어"));
}

TEST(DialogFields, FilterStringsSplitIntoNamedPatternLists) {
    const auto filters = ParseFilterString(
        "PLC梯图文件 (*.grp)|*.plf;*.grp|备份文件 (*.bak)|*.bak|所有文件(*.*)|*.*||");
    ASSERT_EQ(filters.size(), 3u);
    EXPECT_EQ(filters[0].name, "PLC梯图文件 (*.grp)");
    EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.plf", "*.grp"}));
    EXPECT_EQ(filters[2].patterns, (std::vector<std::string>{"*.*"}));

    EXPECT_TRUE(ParseFilterString("").empty());
    EXPECT_TRUE(ParseFilterString("||").empty());
    EXPECT_TRUE(ParseFilterString("name only").empty());
    EXPECT_EQ(ParseFilterString("a|*.a").size(), 1u);
    EXPECT_TRUE(ParseFilterString("a||b|*.b||").empty());
}

} // namespace
} // namespace velmora
