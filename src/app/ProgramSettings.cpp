#include "app/ProgramSettings.h"

#include <algorithm>
#include <functional>

namespace fg::app {
namespace {

constexpr std::string_view kWindow = "WINDOW";
constexpr std::string_view kDisp = "DISP";
constexpr std::string_view kUpdate = "UPDATE";
constexpr std::string_view kHelp = "HELP";
constexpr std::string_view kExport = "EXPORT";
constexpr std::string_view kUi = "UI";
constexpr std::string_view kPlaces = "PLACES";

// The leading bytes of a UTF-8 text, never ending inside a character.
std::string firstBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0u) == 0x80u) --end;
    return std::string(text.substr(0, end));
}

// A window with no area cannot be seen or grabbed; such a size (a damaged or
// hand-edited file) opens at the default size instead.
int windowSize(const IniDocument& file, std::string_view key, int fallback) {
    const int value = file.getInt(kWindow, key, fallback);
    return value > 0 ? value : fallback;
}

// Reads the file as it is now, lets `change` set its keys and writes it back.
bool updateFile(const std::filesystem::path& dataPrm, const std::function<void(IniDocument&)>& change) {
    auto file = readIniFile(dataPrm, IniEncoding::Utf8);
    if (!file) return false;
    change(*file);
    return writeIniFile(*file, dataPrm, IniEncoding::Utf8).ok();
}

}  // namespace

ProgramSettings ProgramSettings::read(const IniDocument& file) {
    ProgramSettings settings;
    const WindowGeometry defaults;
    settings.window.width = windowSize(file, "WIDTH", defaults.width);
    settings.window.height = windowSize(file, "HEIGHT", defaults.height);
    settings.window.x = file.getInt(kWindow, "X", defaults.x);
    settings.window.y = file.getInt(kWindow, "Y", defaults.y);
    settings.window.zoomed = file.getInt(kWindow, "ZOOMED", 0) == 1;

    const DisplayFlags display;
    settings.display.frame = file.getInt(kDisp, "FLAME", display.frame ? 1 : 0) != 0;
    settings.display.particles = file.getInt(kDisp, "PARTICLE", display.particles ? 1 : 0) != 0;
    settings.display.fps = file.getInt(kDisp, "FPS", display.fps ? 1 : 0) != 0;
    settings.display.timeline = file.getInt(kDisp, "TIMELINE", display.timeline ? 1 : 0) != 0;
    settings.display.grid = file.getInt(kDisp, "GRID", display.grid ? 1 : 0) != 0;
    settings.display.axis = file.getInt(kDisp, "AXIS", display.axis ? 1 : 0) != 0;
    const std::int32_t limit = file.getInt(kDisp, "PARTICLE_LIMIT", static_cast<std::int32_t>(kDefaultPreviewParticleLimit));
    settings.previewParticleLimit = limit > 0 ? static_cast<std::uint32_t>(limit) : kDefaultPreviewParticleLimit;
    // A negative interval is no choice at all: the default stays.
    const std::int32_t interval = file.getInt("AUTOSAVE", "INTERVAL", kDefaultAutosaveSeconds);
    settings.autosaveSeconds = interval < 0 ? kDefaultAutosaveSeconds : std::min(interval, kMaxAutosaveSeconds);

    settings.recent = RecentFiles::load(file);
    settings.ignoredVersion = firstBytes(file.getString(kUpdate, "VERSION", ""), kIgnoredVersionMaxBytes);

    const WebAddresses web;
    settings.web.versionFile = file.getString(kUpdate, "URL", web.versionFile);
    settings.web.downloadPage = file.getString(kUpdate, "DOWNLOAD", web.downloadPage);
    settings.web.helpPage = file.getString(kHelp, "URL", web.helpPage);
    settings.exportChoices = readExportChoices(file);
    settings.language = text::languageFromCode(file.getString(kUi, "LANG", ""));
    for (const RememberedWindow& window : rememberedWindows()) {
        if (const std::optional<WindowPlace> place = parseWindowPlace(file.getString(kPlaces, window.key, ""))) {
            settings.places.emplace(window.key, *place);
        }
    }
    return settings;
}

EngineExportOptions readExportChoices(const IniDocument& file) {
    EngineExportOptions choices;
    choices.metaJson = file.getInt(kExport, "META", 0) != 0;
    choices.padding = std::clamp(file.getInt(kExport, "PADDING", 0), 0, kMaxExportPadding);
    choices.extrude = file.getInt(kExport, "EXTRUDE", 0) != 0;
    choices.pow2 = file.getInt(kExport, "POW2", 0) != 0;
    choices.loop = file.getInt(kExport, "LOOP", 0) != 0;
    choices.animated = file.getInt(kExport, "ANIMATED", 0) != 0;
    choices.quality = std::clamp(file.getInt(kExport, "QUALITY", -1), -1, 100);
    return choices;
}

void storeExportChoices(IniDocument& file, const EngineExportOptions& choices) {
    file.setInt(kExport, "META", choices.metaJson ? 1 : 0);
    file.setInt(kExport, "PADDING", std::clamp(choices.padding, 0, kMaxExportPadding));
    file.setInt(kExport, "EXTRUDE", choices.extrude ? 1 : 0);
    file.setInt(kExport, "POW2", choices.pow2 ? 1 : 0);
    file.setInt(kExport, "LOOP", choices.loop ? 1 : 0);
    file.setInt(kExport, "ANIMATED", choices.animated ? 1 : 0);
    file.setInt(kExport, "QUALITY", std::clamp(choices.quality, -1, 100));
}

void storeWindow(IniDocument& file, const WindowGeometry& window) {
    file.setInt(kWindow, "X", window.x);
    file.setInt(kWindow, "Y", window.y);
    file.setInt(kWindow, "WIDTH", window.width);
    file.setInt(kWindow, "HEIGHT", window.height);
    file.setInt(kWindow, "ZOOMED", window.zoomed ? 1 : 0);
}

void storeDisplay(IniDocument& file, const DisplayFlags& display) {
    file.setInt(kDisp, "FLAME", display.frame ? 1 : 0);
    file.setInt(kDisp, "PARTICLE", display.particles ? 1 : 0);
    file.setInt(kDisp, "FPS", display.fps ? 1 : 0);
    file.setInt(kDisp, "TIMELINE", display.timeline ? 1 : 0);
    file.setInt(kDisp, "GRID", display.grid ? 1 : 0);
    file.setInt(kDisp, "AXIS", display.axis ? 1 : 0);
}

void storePlaces(IniDocument& file, const WindowPlaces& places) {
    for (const auto& [key, place] : places) file.setString(kPlaces, key, windowPlaceText(place));
}

void storeIgnoredVersion(IniDocument& file, std::string_view version) {
    file.setString(kUpdate, "VERSION", version);
}

ProgramSettings loadProgramSettings(const std::filesystem::path& dataPrm) {
    const auto file = readIniFile(dataPrm, IniEncoding::Utf8);
    return ProgramSettings::read(file ? *file : IniDocument{});
}

bool saveClosingSettings(const std::filesystem::path& dataPrm, const WindowGeometry& window,
                         const DisplayFlags& display, const RecentFiles& recent, const WindowPlaces& places) {
    return updateFile(dataPrm, [&](IniDocument& file) {
        storeWindow(file, window);
        storeDisplay(file, display);
        recent.store(file);
        storePlaces(file, places);
    });
}

bool saveLanguage(const std::filesystem::path& dataPrm, text::Language language) {
    return updateFile(dataPrm, [&](IniDocument& file) { file.setString(kUi, "LANG", text::languageCode(language)); });
}

bool saveIgnoredVersion(const std::filesystem::path& dataPrm, std::string_view version) {
    return updateFile(dataPrm, [&](IniDocument& file) { storeIgnoredVersion(file, version); });
}

bool saveExportChoices(const std::filesystem::path& dataPrm, const EngineExportOptions& choices) {
    return updateFile(dataPrm, [&](IniDocument& file) { storeExportChoices(file, choices); });
}

}  // namespace fg::app
