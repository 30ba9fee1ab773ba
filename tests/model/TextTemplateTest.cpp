#include <gtest/gtest.h>

#include "model/TextTemplate.h"

namespace fg {
namespace {

TEST(TextTemplate, FillsNumberedMarkersOnceInAnyOrder) {
    EXPECT_EQ(fillTemplate("「%1」に保存できませんでした。", {"/p/a.nbx"}), "「/p/a.nbx」に保存できませんでした。");
    EXPECT_EQ(fillTemplate("%2 then %1", {"one", "two"}), "two then one");
    // An argument holding a marker is not filled again.
    EXPECT_EQ(fillTemplate("<%1> %2", {"%2", "x"}), "<%2> x");
    // Markers without an argument, a lone percent sign and %0 stay.
    EXPECT_EQ(fillTemplate("%1 %3 100% %0", {"a"}), "a %3 100% %0");
    EXPECT_EQ(fillTemplate("", {}), "");
}

TEST(TextTemplate, TheMarkerIsTheTextItself) {
    constexpr const char* marked = FG_TRANSLATE_NOOP("fg::test", "確認");
    EXPECT_STREQ(marked, "確認");
}

}  // namespace
}  // namespace fg
