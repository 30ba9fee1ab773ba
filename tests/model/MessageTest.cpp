#include <gtest/gtest.h>

#include <sstream>

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg {
namespace {

constexpr const char* kSaveFailed = FG_TRANSLATE_NOOP("fg::test", "「%1」に保存できませんでした。\n%2");
constexpr const char* kDiskFull = FG_TRANSLATE_NOOP("fg::test", "ディスクの空き容量が足りません。");

TEST(Message, FillsItsSourceWithNestedArgumentsInOnePass) {
    const Message message = Message("fg::test", kSaveFailed).arg("/p/%2.nbx").arg(Message("fg::test", kDiskFull));
    EXPECT_EQ(message.sourceText(), "「/p/%2.nbx」に保存できませんでした。\nディスクの空き容量が足りません。");
    ASSERT_EQ(message.arguments().size(), 2U);
    EXPECT_TRUE(message.arguments()[0].isVerbatim());
    EXPECT_FALSE(message.arguments()[1].isVerbatim());
    EXPECT_STREQ(message.context(), "fg::test");
    // A marker without an argument stays.
    EXPECT_EQ(Message("fg::test", kSaveFailed).arg("a").sourceText(), "「a」に保存できませんでした。\n%2");
    // A log or a failing test shows the filled text.
    std::ostringstream log;
    log << message;
    EXPECT_EQ(log.str(), message.sourceText());
}

TEST(Message, EqualityComparesContextTextAndArguments) {
    EXPECT_TRUE(Message().empty());
    EXPECT_FALSE(Message::verbatim("x").empty());
    EXPECT_EQ(Message::verbatim("x"), Message::verbatim("x"));
    EXPECT_NE(Message::verbatim("x"), Message("fg::test", "x"));
    // The same context text from another pointer is the same message.
    const std::string context = "fg::test";
    EXPECT_EQ(Message(context.c_str(), kDiskFull), Message("fg::test", kDiskFull));
    EXPECT_NE(Message("fg::test", kSaveFailed).arg("a"), Message("fg::test", kSaveFailed).arg("b"));
}

}  // namespace
}  // namespace fg
