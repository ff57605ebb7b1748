#include "res/messages/MessageTables.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

NumberedMessage Find(int number)
{
    NumberedMessage message;
    EXPECT_TRUE(FindMessage(number, message)) << "message " << number << " missing";
    return message;
}

} // namespace

TEST(MessageTables, EachNumberBelongsToTheTableOfItsFirstDigit)
{
    EXPECT_EQ(Find(10200).kind, MessageKind::Information);
    EXPECT_EQ(Find(11202).kind, MessageKind::Information);
    EXPECT_EQ(Find(20000).kind, MessageKind::Question);
    EXPECT_EQ(Find(21303).kind, MessageKind::Question);
    EXPECT_EQ(Find(30000).kind, MessageKind::Warning);
    EXPECT_EQ(Find(31700).kind, MessageKind::Warning);
    EXPECT_EQ(Find(40000).kind, MessageKind::Error);
    EXPECT_EQ(Find(41302).kind, MessageKind::Error);
}

TEST(MessageTables, PrintNothingToPrintIsAWarningDespiteItsNumber)
{
    NumberedMessage message = Find(20300);
    EXPECT_EQ(message.kind, MessageKind::Warning);
    EXPECT_STREQ(message.text, "印刷するﾃﾞｰﾀがありません");
}

TEST(MessageTables, TextsAreShiftJisWithLineBreaksAndPlaceholders)
{
    // Half-width katakana are single bytes; full-width text and the wave dash are two.
    EXPECT_STREQ(Find(11200).text,
                 "\xB4\xD7\xB0\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x82\xC5\x82\xB5"
                 "\x82\xBD");
    EXPECT_STREQ(Find(20000).text, "現在、複数のｳｨﾝﾄﾞｳを開いていますが\n全て閉じますか");
    EXPECT_STREQ(Find(31203).text, "１度に表示する行数は０～１００の範囲です");
    EXPECT_NE(std::strstr(Find(31204).text, "[写真%04d]"), nullptr);
    EXPECT_STREQ(Find(21200).text,
                 "次の４種類の基本ﾌｧｲﾙを初期値で上書きすると手動で設定した書式が消えてしまいます。\n\n"
                 "　　・index.htm\n　　・list.htm\n　　・construct.htm\n　　・page.htm\n\n"
                 "上書きしても構いませんか\n\n　　[はい]...全て上書きします\n"
                 "　　[いいえ]...上書きしません(設定を残します)\n　　[ｷｬﾝｾﾙ]...処理を中止します");
}

TEST(MessageTables, NumbersOutsideEveryTableAreNotFound)
{
    NumberedMessage message;
    for (int number : {0, -1, 10199, 20001, 30100, 31003, 41303, 50000}) {
        EXPECT_FALSE(FindMessage(number, message)) << number;
    }
}

TEST(MessageTables, HoldEveryMessageOfTheProgram)
{
    int counts[4] = {};
    NumberedMessage message;
    for (int number = 10000; number < 50000; ++number) {
        if (FindMessage(number, message)) {
            ++counts[static_cast<int>(message.kind)];
            EXPECT_EQ(message.number, number);
        }
    }
    EXPECT_EQ(counts[0], 7);
    EXPECT_EQ(counts[1], 32);
    // A list in a folder that cannot be written opens read-only, naming the folder and why.
    EXPECT_EQ(counts[2], 83);
    ASSERT_TRUE(FindMessage(30221, message));
    EXPECT_NE(std::strstr(message.text, "ﾌｫﾙﾀﾞ名 : %s\n原因 : %s"), nullptr);
    // The error table also names the cause of a failed save, beside 40206 which names none.
    EXPECT_EQ(counts[3], 24);
    ASSERT_TRUE(FindMessage(40210, message));
    EXPECT_NE(std::strstr(message.text, "原因:%s"), nullptr);
}
