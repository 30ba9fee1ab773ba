#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "persistence/Ini.h"
#include "persistence/RecentFiles.h"

namespace fg {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, AddingAPathAlreadyThirdMovesItToTheFrontAndKeepsTheLength) {
    RecentFiles recent(Paths{"a", "b", "c", "d"});
    recent.add("c");
    EXPECT_EQ(recent.entries(), (Paths{"c", "a", "b", "d"}));
}

TEST(RecentFiles, AnEleventhDistinctPathDropsTheOldest) {
    RecentFiles recent;
    for (int i = 0; i < 11; ++i) recent.add("p" + std::to_string(i));
    ASSERT_EQ(recent.entries().size(), 10u);
    EXPECT_EQ(recent.entries().front(), "p10");
    EXPECT_EQ(recent.entries().back(), "p1");
}

TEST(RecentFiles, ComparisonIsExactBytes) {
    RecentFiles recent(Paths{"/x/A.nbx"});
    recent.add("/x/a.nbx");
    EXPECT_EQ(recent.entries(), (Paths{"/x/a.nbx", "/x/A.nbx"}));
}

TEST(RecentFiles, EmptySlotsFillTheLoadedListAndEndTheMenu) {
    const auto ini = IniDocument::parse("[RECENT]\nlist0=/p/one.nbx\nlist1=/p/two.nbx\n");
    RecentFiles recent = RecentFiles::load(ini);
    EXPECT_EQ(recent.entries(), (Paths{"/p/one.nbx", "/p/two.nbx", "-", "-", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(recent.menuEntries(), (Paths{"/p/one.nbx", "/p/two.nbx"}));
    recent.add("/p/three.nbx");  // pushes one empty slot out
    EXPECT_EQ(recent.entries().size(), 10u);
    EXPECT_EQ(recent.menuEntries(), (Paths{"/p/three.nbx", "/p/one.nbx", "/p/two.nbx"}));
}

TEST(RecentFiles, RemoveTakesTheFirstEqualEntryOnly) {
    RecentFiles recent(Paths{"a", "b", "a"});
    EXPECT_TRUE(recent.remove("a"));
    EXPECT_EQ(recent.entries(), (Paths{"b", "a"}));
    EXPECT_FALSE(recent.remove("zzz"));
}

TEST(RecentFiles, StoringWritesAllTenSlotsSoARemovedEntryDoesNotComeBack) {
    IniDocument ini;
    RecentFiles full;
    for (int i = 0; i < 10; ++i) full.add("p" + std::to_string(i));
    full.store(ini);
    RecentFiles shorter = RecentFiles::load(ini);
    ASSERT_TRUE(shorter.remove("p0"));
    shorter.store(ini);
    const RecentFiles reloaded = RecentFiles::load(ini);
    EXPECT_EQ(reloaded.entries().back(), "-");
    EXPECT_EQ(reloaded.menuEntries().size(), 9u);
    EXPECT_EQ(ini.getString("recent", "LIST0", ""), "p9");
}

TEST(RecentFiles, LongPathsAreKeptWhole) {
    const std::string path = "/" + std::string(400, 'd') + "/x.nbx";
    IniDocument ini;
    RecentFiles recent;
    recent.add(path);
    recent.store(ini);
    EXPECT_EQ(RecentFiles::load(ini).entries().front(), path);
}

}  // namespace
}  // namespace fg
