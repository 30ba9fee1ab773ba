// The project path on the editor's command line.

#include <gtest/gtest.h>

#include "app/CommandLinePath.h"

namespace fg {
namespace {

TEST(CommandLinePath, QuotesAroundThePathAreRemoved) {
    EXPECT_EQ(commandLineProjectPath("\"/home/u/my effects/炎.nbx\""), "/home/u/my effects/炎.nbx");
    // Only up to the next quote; an unclosed quote runs to the end.
    EXPECT_EQ(commandLineProjectPath("\"/a b.nbx\" trailing"), "/a b.nbx");
    EXPECT_EQ(commandLineProjectPath("\"/a b.nbx"), "/a b.nbx");
    EXPECT_EQ(commandLineProjectPath("\"\""), "");
}

TEST(CommandLinePath, AnUnquotedArgumentIsTheWholePath) {
    EXPECT_EQ(commandLineProjectPath("/home/u/my effects/炎.nbx"), "/home/u/my effects/炎.nbx");
    EXPECT_EQ(commandLineProjectPath("a\"b.nbx"), "a\"b.nbx");
    EXPECT_EQ(commandLineProjectPath(""), "");
}

}  // namespace
}  // namespace fg
