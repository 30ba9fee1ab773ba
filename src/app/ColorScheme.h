#pragma once
// The panel colour scheme from color.ini, read once at start-up: each section
// holds integer keys r, g and b. A missing key takes its default; a value
// outside 0 to 255 is clamped into it.

#include <filesystem>

#include "persistence/Ini.h"

namespace fg::app {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct ColorScheme {
    Rgb window{40, 40, 40};   // WINDOW_COLOR: panel and dialog backgrounds
    Rgb client{70, 70, 70};   // CLIENT_COLOR: lists and drawing areas inside panels
    Rgb cursor{44, 70, 144};  // CURSOR_COLOR: the highlight of the selected row
    bool operator==(const ColorScheme&) const = default;

    static ColorScheme read(const IniDocument& file);
};

// The scheme in the file; the defaults when it is missing or unreadable.
ColorScheme loadColorScheme(const std::filesystem::path& colorIni);

}  // namespace fg::app
