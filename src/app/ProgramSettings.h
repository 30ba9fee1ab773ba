#pragma once
// The program's own settings, data.prm: window geometry, the view's display
// flags, the recent files, a version not to be announced again and the web
// addresses the program uses. Read once at start-up; each writer changes
// only its own keys in the file as it is on disk, so keys a user added by
// hand stay, and so do those another writer put there meanwhile.
//
//   [WINDOW]  WIDTH HEIGHT X Y ZOOMED
//   [DISP]    FLAME PARTICLE FPS; TIMELINE GRID AXIS (1 or 0, missing: 1):
//             the timeline under the view and the ground grid's grey and
//             axis lines; PARTICLE_LIMIT (read, never written): the live
//             preview's particle limit
//   [RECENT]  list0 … list9 ("-" marks an empty slot)
//   [UPDATE]  VERSION (at most 15 bytes are read), URL, DOWNLOAD
//   [HELP]    URL
//   [EXPORT]  META PADDING EXTRUDE POW2 LOOP ANIMATED QUALITY: the export
//             dialog's advanced choices, per user (a project never holds them)
//   [UI]      LANG (ja or en; the interface language from the next start)
//   [AUTOSAVE] INTERVAL (read, never written): seconds at least between two
//             recovery copies of a changed project; 0 turns them off
//   [PLACES]  PROJECT BACKGROUND CAMERA EXPORT HISTORY CURVE VIEWLIST =
//             x,y,w,h: where each dialog and tool window was last left (its
//             outer top-left, its client size), written when the program ends
//
// URL, DOWNLOAD and HELP URL are read, never written: a user or an
// administrator sets them to point the program at another server, or to an
// empty value to turn the update check off.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/DisplayFlags.h"
#include "app/WindowPlacement.h"
#include "persistence/Ini.h"
#include "persistence/RecentFiles.h"
#include "render/export/EngineExportOptions.h"
#include "text/Language.h"

namespace fg::app {

// The view's three counters, stored under DISP as FLAME, PARTICLE and FPS,
// and the timeline, grid and axis as TIMELINE, GRID and AXIS.
using fg::DisplayFlags;

// The default addresses of the maker's web pages.
inline constexpr std::string_view kDefaultVersionFileUrl = "https://fulgrane3d.example.org/version.txt";
inline constexpr std::string_view kDefaultDownloadPageUrl = "https://fulgrane3d.example.org/download/";
inline constexpr std::string_view kDefaultHelpPageUrl = "https://fulgrane3d.example.org/help/";

struct WebAddresses {
    std::string versionFile{kDefaultVersionFileUrl};    // UPDATE URL: the newest version's text
    std::string downloadPage{kDefaultDownloadPageUrl};  // UPDATE DOWNLOAD: opened when the user wants the update
    std::string helpPage{kDefaultHelpPageUrl};          // HELP URL: the online help
    bool operator==(const WebAddresses&) const = default;
};

inline constexpr std::size_t kIgnoredVersionMaxBytes = 15;

// Live particles the editor's preview keeps at most: a hundred times the
// samples' busiest moment, yet far below what the command-line tool and the
// export allow. Every preview picture copies and draws them all on the
// window's thread, so a file with runaway counts would hold gigabytes and,
// on a software renderer, freeze the window. Exports keep their own limit.
inline constexpr std::uint32_t kDefaultPreviewParticleLimit = 20'000;

// Recovery copies: at most one a minute by default, at most a day apart.
inline constexpr std::int32_t kDefaultAutosaveSeconds = 60;
inline constexpr std::int32_t kMaxAutosaveSeconds = 24 * 60 * 60;

struct ProgramSettings {
    WindowGeometry window;
    DisplayFlags display;
    std::uint32_t previewParticleLimit = kDefaultPreviewParticleLimit;  // DISP PARTICLE_LIMIT, at least 1
    std::int32_t autosaveSeconds = kDefaultAutosaveSeconds;             // AUTOSAVE INTERVAL, 0: off
    RecentFiles recent = RecentFiles::load(IniDocument{});
    std::string ignoredVersion;  // UPDATE VERSION: not to be announced again
    WebAddresses web;
    EngineExportOptions exportChoices;  // EXPORT: nothing chosen unless stored
    std::optional<text::Language> language;  // UI LANG; nothing when unset or unknown
    WindowPlaces places;  // PLACES: the windows with a valid entry

    // Missing keys take the defaults above.
    static ProgramSettings read(const IniDocument& file);
};

void storeWindow(IniDocument& file, const WindowGeometry& window);
void storeDisplay(IniDocument& file, const DisplayFlags& display);
void storeIgnoredVersion(IniDocument& file, std::string_view version);
// Every place given, under its key; places not given stay as they are.
void storePlaces(IniDocument& file, const WindowPlaces& places);
// Values out of range are stored clamped, as they are read.
void storeExportChoices(IniDocument& file, const EngineExportOptions& choices);
EngineExportOptions readExportChoices(const IniDocument& file);

// data.prm on disk. A missing or unreadable file gives the defaults.
ProgramSettings loadProgramSettings(const std::filesystem::path& dataPrm);

// What the main window writes when it closes: WINDOW (see closingGeometry),
// DISP, RECENT and PLACES. False when the file cannot be read or written; an
// unreadable file is not replaced.
[[nodiscard]] bool saveClosingSettings(const std::filesystem::path& dataPrm, const WindowGeometry& window,
                                       const DisplayFlags& display, const RecentFiles& recent,
                                       const WindowPlaces& places = {});

// The "言語 / Language" menu: UI LANG = ja or en.
[[nodiscard]] bool saveLanguage(const std::filesystem::path& dataPrm, text::Language language);

// "このバージョンでは通知しない": UPDATE VERSION = version.
[[nodiscard]] bool saveIgnoredVersion(const std::filesystem::path& dataPrm, std::string_view version);

// The export dialog's advanced choices, written when an export is accepted.
[[nodiscard]] bool saveExportChoices(const std::filesystem::path& dataPrm, const EngineExportOptions& choices);

}  // namespace fg::app
