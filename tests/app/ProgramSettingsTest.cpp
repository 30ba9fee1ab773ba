#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/ProgramSettings.h"
#include "persistence/FileBytes.h"
#include "persistence/TempDir.h"

namespace fg::app {
namespace {

using Paths = std::vector<std::string>;

TEST(ProgramSettings, AFirstStartWithoutDataPrmTakesTheDefaults) {
    fg::test::TempDir dir;
    const ProgramSettings settings = loadProgramSettings(dir / "data.prm");
    EXPECT_EQ(settings.window, (WindowGeometry{0, 0, 1200, 720, false}));
    EXPECT_EQ(settings.display, (DisplayFlags{true, false, false}));
    EXPECT_EQ(settings.recent.entries(), Paths(10, "-"));
    EXPECT_TRUE(settings.recent.menuEntries().empty());
    EXPECT_EQ(settings.ignoredVersion, "");
    EXPECT_EQ(settings.web, WebAddresses{});
    EXPECT_FALSE(std::filesystem::exists(dir / "data.prm"));
}

TEST(ProgramSettings, ReadsEveryKeyItsSectionsHold) {
    const auto file = IniDocument::parse(
        "[WINDOW]\nWIDTH=800\nHEIGHT=600\nX=-20\nY=35\nZOOMED=1\n"
        "[DISP]\nFLAME=0\nPARTICLE=1\nFPS=1\n"
        "[RECENT]\nlist0=/p/b.nbx\nlist1=/p/a.nbx\n"
        "[UPDATE]\nVERSION=1.2.0\nURL=http://intranet/fg/version.txt\nDOWNLOAD=http://intranet/fg/\n"
        "[HELP]\nURL=http://intranet/fg/help.html\n");
    const ProgramSettings settings = ProgramSettings::read(file);
    EXPECT_EQ(settings.window, (WindowGeometry{-20, 35, 800, 600, true}));
    EXPECT_EQ(settings.display, (DisplayFlags{false, true, true}));
    EXPECT_EQ(settings.recent.menuEntries(), (Paths{"/p/b.nbx", "/p/a.nbx"}));
    EXPECT_EQ(settings.ignoredVersion, "1.2.0");
    EXPECT_EQ(settings.web, (WebAddresses{"http://intranet/fg/version.txt", "http://intranet/fg/",
                                          "http://intranet/fg/help.html"}));
}

TEST(ProgramSettings, TheAutosaveIntervalIsReadWithZeroForOff) {
    const auto interval = [](const char* text) {
        return ProgramSettings::read(IniDocument::parse(std::string("[AUTOSAVE]\nINTERVAL=") + text + "\n"))
            .autosaveSeconds;
    };
    EXPECT_EQ(ProgramSettings::read(IniDocument{}).autosaveSeconds, 60);
    EXPECT_EQ(interval("15"), 15);
    EXPECT_EQ(interval("0"), 0);
    EXPECT_EQ(interval("-3"), 60);
    EXPECT_EQ(interval("99999999"), kMaxAutosaveSeconds);
}

// The live preview's particle limit: a user raises or lowers it by hand;
// nothing of the program writes it.
TEST(ProgramSettings, ThePreviewParticleLimitIsReadAndKeptButNeverWritten) {
    EXPECT_EQ(ProgramSettings::read(IniDocument{}).previewParticleLimit, kDefaultPreviewParticleLimit);
    EXPECT_EQ(ProgramSettings::read(IniDocument::parse("[DISP]\nPARTICLE_LIMIT=2000000\n")).previewParticleLimit,
              2'000'000u);
    for (const char* unusable : {"0", "-5", "many"}) {
        const auto file = IniDocument::parse(std::string("[DISP]\nPARTICLE_LIMIT=") + unusable + "\n");
        EXPECT_EQ(ProgramSettings::read(file).previewParticleLimit, kDefaultPreviewParticleLimit) << unusable;
    }
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    ASSERT_TRUE(writeFileBytes(dataPrm, "[DISP]\r\nPARTICLE_LIMIT=5000\r\n"));
    ASSERT_TRUE(saveClosingSettings(dataPrm, WindowGeometry{}, DisplayFlags{}, RecentFiles{}));
    EXPECT_EQ(loadProgramSettings(dataPrm).previewParticleLimit, 5000u);
    fg::test::TempDir fresh;
    ASSERT_TRUE(saveClosingSettings(fresh / "data.prm", WindowGeometry{}, DisplayFlags{}, RecentFiles{}));
    const auto text = readFileBytes(fresh / "data.prm");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->find("PARTICLE_LIMIT"), std::string::npos);
}

TEST(ProgramSettings, TheExportChoicesAreKeptUnderExport) {
    fg::test::TempDir dir;
    const auto path = dir / "data.prm";
    EXPECT_FALSE(loadProgramSettings(path).exportChoices.any());
    EngineExportOptions choices;
    choices.metaJson = true;
    choices.padding = 3;
    choices.extrude = true;
    choices.pow2 = true;
    choices.loop = true;
    choices.animated = true;
    choices.quality = 70;
    ASSERT_TRUE(saveExportChoices(path, choices));
    const EngineExportOptions read = loadProgramSettings(path).exportChoices;
    EXPECT_TRUE(read.metaJson && read.extrude && read.pow2 && read.loop && read.animated);
    EXPECT_EQ(read.padding, 3);
    EXPECT_EQ(read.quality, 70);
    // Hand-edited values out of range are clamped.
    const auto edited = IniDocument::parse("[EXPORT]\nPADDING=500\nQUALITY=-7\n");
    EXPECT_EQ(readExportChoices(edited).padding, kMaxExportPadding);
    EXPECT_EQ(readExportChoices(edited).quality, -1);
}

TEST(ProgramSettings, AtMostFifteenBytesOfTheIgnoredVersionAreRead) {
    EXPECT_EQ(ProgramSettings::read(IniDocument::parse("[UPDATE]\nVERSION=0123456789abcdefgh\n")).ignoredVersion,
              "0123456789abcde");
    // Never half a character: "版" takes three bytes, 14 to 16.
    EXPECT_EQ(ProgramSettings::read(IniDocument::parse("[UPDATE]\nVERSION=1.0.0-beta.12版\n")).ignoredVersion,
              "1.0.0-beta.12");
}

TEST(ProgramSettings, AWindowWithoutAreaOpensAtTheDefaultSize) {
    const auto file = IniDocument::parse("[WINDOW]\nWIDTH=0\nHEIGHT=-300\nX=10\nY=20\n");
    EXPECT_EQ(ProgramSettings::read(file).window, (WindowGeometry{10, 20, 1200, 720, false}));
}

TEST(ProgramSettings, AnEmptyAddressStaysEmptySoTheUserCanTurnTheCheckOff) {
    const ProgramSettings settings = ProgramSettings::read(IniDocument::parse("[UPDATE]\nURL=\n"));
    EXPECT_EQ(settings.web.versionFile, "");
    EXPECT_EQ(settings.web.helpPage, kDefaultHelpPageUrl);
}

TEST(ProgramSettingsFile, WindowPlacesComeBackAtTheNextStart) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    const WindowPlaces places{{"HISTORY", {1210, -4, 260, 400}}, {"EXPORT", {300, 200, 520, 610}}};
    ASSERT_TRUE(saveClosingSettings(dataPrm, WindowGeometry{}, DisplayFlags{}, RecentFiles{}, places));
    EXPECT_EQ(loadProgramSettings(dataPrm).places, places);
    const auto text = readFileBytes(dataPrm);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("[PLACES]\r\nEXPORT=300,200,520,610\r\nHISTORY=1210,-4,260,400\r\n"), std::string::npos);

    // A later close adds its places and keeps the others.
    ASSERT_TRUE(saveClosingSettings(dataPrm, WindowGeometry{}, DisplayFlags{}, RecentFiles{},
                                    {{"CURVE", {50, 60, 330, 280}}}));
    EXPECT_EQ(loadProgramSettings(dataPrm).places.size(), 3u);
    // Without places (the defaults), nothing is written under PLACES.
    fg::test::TempDir fresh;
    ASSERT_TRUE(saveClosingSettings(fresh / "data.prm", WindowGeometry{}, DisplayFlags{}, RecentFiles{}));
    EXPECT_EQ(readFileBytes(fresh / "data.prm")->find("[PLACES]"), std::string::npos);
}

TEST(ProgramSettingsFile, DamagedOrUnknownPlacesAreSkipped) {
    const IniDocument file = IniDocument::parse(
        "[PLACES]\nHISTORY=10,20,300,400\nCURVE=10,20,0,400\nCAMERA=1,2,3\nEXPORT=a,b,c,d\n"
        "PROJECT=1,2,3,4,5\nVIEWLIST=1,2,3,4x\nSOMETHING=1,2,3,4\nbackground=-5,-6,7,8\n");
    const WindowPlaces places = ProgramSettings::read(file).places;
    // Keys are read case-insensitively, as every data.prm key.
    EXPECT_EQ(places, (WindowPlaces{{"HISTORY", {10, 20, 300, 400}}, {"BACKGROUND", {-5, -6, 7, 8}}}));
    EXPECT_EQ(parseWindowPlace("1,2,3,4"), (WindowPlace{1, 2, 3, 4}));
    EXPECT_EQ(windowPlaceText({-1, 2, 3, 4}), "-1,2,3,4");
    EXPECT_EQ(parseWindowPlace("99999999999,2,3,4"), std::nullopt);
}

TEST(ProgramSettingsFile, ClosingSettingsComeBackAtTheNextStart) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    RecentFiles recent;
    recent.add("/home/u/火の粉.nbx");
    recent.add("/home/u/my effect.nbx");
    const WindowGeometry window{140, -8, 1024, 700, false};
    const DisplayFlags display{false, true, false};
    ASSERT_TRUE(saveClosingSettings(dataPrm, window, display, recent));

    const ProgramSettings reloaded = loadProgramSettings(dataPrm);
    EXPECT_EQ(reloaded.window, window);
    EXPECT_EQ(reloaded.display, display);
    EXPECT_EQ(reloaded.recent.menuEntries(), (Paths{"/home/u/my effect.nbx", "/home/u/火の粉.nbx"}));

    const auto text = readFileBytes(dataPrm);
    ASSERT_TRUE(text);
    EXPECT_NE(text->find("[WINDOW]\r\nX=140\r\nY=-8\r\nWIDTH=1024\r\nHEIGHT=700\r\nZOOMED=0\r\n"), std::string::npos);
    EXPECT_NE(text->find("[DISP]\r\nFLAME=0\r\nPARTICLE=1\r\nFPS=0\r\n"), std::string::npos);
    EXPECT_NE(text->find("list9=-\r\n"), std::string::npos);
}

// The timeline and the ground grid's lines: shown unless a user turned them
// off, and a file of an older version (no such keys) shows them.
TEST(ProgramSettingsFile, TheTimelineGridAndAxisTogglesComeBackAndDefaultToShown) {
    const ProgramSettings old = ProgramSettings::read(IniDocument::parse("[DISP]\nFLAME=0\nPARTICLE=1\nFPS=1\n"));
    EXPECT_TRUE(old.display.timeline);
    EXPECT_TRUE(old.display.grid);
    EXPECT_TRUE(old.display.axis);
    const ProgramSettings read =
        ProgramSettings::read(IniDocument::parse("[DISP]\nTIMELINE=0\nGRID=1\nAXIS=0\n"));
    EXPECT_FALSE(read.display.timeline);
    EXPECT_TRUE(read.display.grid);
    EXPECT_FALSE(read.display.axis);

    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    ASSERT_TRUE(writeFileBytes(dataPrm, "[DISP]\r\nPARTICLE_LIMIT=5000\r\nMINE=7\r\n"));
    for (const DisplayFlags& display :
         {DisplayFlags{true, false, false, false, true, false}, DisplayFlags{false, true, true, true, false, true},
          DisplayFlags{true, true, true, true, true, true}}) {
        ASSERT_TRUE(saveClosingSettings(dataPrm, WindowGeometry{}, display, RecentFiles{}));
        const ProgramSettings reloaded = loadProgramSettings(dataPrm);
        EXPECT_EQ(reloaded.display, display);
        EXPECT_EQ(reloaded.previewParticleLimit, 5000u);
    }
    const auto file = readIniFile(dataPrm, IniEncoding::Utf8);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->getString("DISP", "MINE", ""), "7");
    EXPECT_EQ(file->getString("DISP", "TIMELINE", ""), "1");
    EXPECT_EQ(file->getString("DISP", "GRID", ""), "1");
    EXPECT_EQ(file->getString("DISP", "AXIS", ""), "1");
}

TEST(ProgramSettingsFile, ClosingMaximisedKeepsTheNormalGeometryAndOpensMaximisedNextTime) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    const WindowGeometry normal{300, 200, 1000, 650, false};
    ASSERT_TRUE(saveClosingSettings(dataPrm, normal, {}, {}));

    const ProgramSettings started = loadProgramSettings(dataPrm);
    const WindowGeometry screenSized{0, 0, 1920, 1020, false};
    ASSERT_TRUE(saveClosingSettings(dataPrm, closingGeometry(started.window, screenSized, true), {}, {}));

    EXPECT_EQ(loadProgramSettings(dataPrm).window, (WindowGeometry{300, 200, 1000, 650, true}));
}

TEST(ProgramSettingsFile, WritersChangeOnlyTheirOwnKeys) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    ASSERT_TRUE(writeFileBytes(dataPrm, "[UPDATE]\r\nURL=http://mirror/version.txt\r\n[MINE]\r\nkeep=1\r\n"));
    ASSERT_TRUE(saveIgnoredVersion(dataPrm, "2.0.0"));
    ASSERT_TRUE(saveClosingSettings(dataPrm, {}, {}, {}));

    const ProgramSettings settings = loadProgramSettings(dataPrm);
    EXPECT_EQ(settings.ignoredVersion, "2.0.0");
    EXPECT_EQ(settings.web.versionFile, "http://mirror/version.txt");
    const auto file = readIniFile(dataPrm, IniEncoding::Utf8);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->getString("MINE", "keep", ""), "1");
}

TEST(ProgramSettingsFile, AFileThatCannotBeReadIsNeitherUsedNorReplaced) {
    fg::test::TempDir dir;
    const auto dataPrm = dir / "data.prm";
    std::filesystem::create_directory(dataPrm);  // a folder where the file should be
    EXPECT_EQ(loadProgramSettings(dataPrm).window, WindowGeometry{});
    EXPECT_FALSE(saveClosingSettings(dataPrm, {}, {}, {}));
    EXPECT_FALSE(saveIgnoredVersion(dataPrm, "1.0.1"));
    EXPECT_TRUE(std::filesystem::is_directory(dataPrm));
}

}  // namespace
}  // namespace fg::app
