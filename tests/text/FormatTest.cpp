// A message of the core shown in English: its template translated, its
// arguments translated in turn or kept as they are, filled in one pass.

#include <gtest/gtest.h>

#include <QTranslator>

#include "persistence/Messages.h"
#include "text/Format.h"
#include "text/Language.h"

namespace fg::text {
namespace {

TEST(Format, TranslatesTemplateAndNestedArgumentsKeepingVerbatimOnes) {
    const Message message = Message("fg::persistence_text", persistence_text::kCannotWriteBecause)
                                .arg("/p/%2「x」.nbx")
                                .arg(Message("fg::persistence_text", persistence_text::kDiskFull));
    EXPECT_EQ(formatUtf8(message), "「/p/%2「x」.nbx」に保存できませんでした。\nディスクの空き容量が足りません。");
    const std::unique_ptr<QTranslator> english = installLanguage(Language::English);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(formatUtf8(message), "Could not save to \"/p/%2「x」.nbx\".\nThe disk is full.");
    EXPECT_EQ(formatUtf8(Message::verbatim("炎")), "炎");
    EXPECT_TRUE(format(Message()).isEmpty());
}

}  // namespace
}  // namespace fg::text
