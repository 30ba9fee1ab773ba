#include "app/ColorScheme.h"

#include <algorithm>
#include <string_view>

namespace fg::app {
namespace {

int channel(const IniDocument& file, std::string_view section, std::string_view key, int fallback) {
    return std::clamp(file.getInt(section, key, fallback), 0, 255);
}

Rgb readRgb(const IniDocument& file, std::string_view section, const Rgb& fallback) {
    return Rgb{channel(file, section, "r", fallback.r), channel(file, section, "g", fallback.g),
               channel(file, section, "b", fallback.b)};
}

}  // namespace

ColorScheme ColorScheme::read(const IniDocument& file) {
    const ColorScheme defaults;
    ColorScheme scheme;
    scheme.window = readRgb(file, "WINDOW_COLOR", defaults.window);
    scheme.client = readRgb(file, "CLIENT_COLOR", defaults.client);
    scheme.cursor = readRgb(file, "CURSOR_COLOR", defaults.cursor);
    return scheme;
}

ColorScheme loadColorScheme(const std::filesystem::path& colorIni) {
    const auto file = readIniFile(colorIni, IniEncoding::Utf8);
    return file ? ColorScheme::read(*file) : ColorScheme{};
}

}  // namespace fg::app
