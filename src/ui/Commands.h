#pragma once
// The commands of the main window: their menu, label, shortcut, help text
// and place on the toolbar. Labels and help texts are translation sources
// (context "fg::MainWindow").

#include <array>
#include <optional>
#include <span>

namespace fg {

enum class Command {
    New,
    Open,
    Save,
    SaveAs,
    Export,
    Exit,
    Undo,
    Redo,
    Remake,
    ProjectSettings,
    BackgroundColor,
    CameraSettings,
    ShowFrame,
    ShowParticles,
    ShowFps,
    HistoryList,
    ViewList,
    OnlineHelp,
    CheckUpdate,
    Version,
};
inline constexpr int kCommandCount = 20;

enum class MenuId { File, Edit, View, Help };
inline constexpr int kMenuCount = 4;

struct CommandInfo {
    Command command;
    MenuId menu;
    const char* label;
    const char* shortcut;  // portable key text; empty: none
    const char* helpText;  // what the status panel says on the toolbar; null: nothing
    bool checkable = false;
    bool separatorBefore = false;  // a separator in the menu before this item
};

// Every command in menu order.
std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(Command command);
// "ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)"
const char* menuTitle(MenuId menu);

// The toolbar from left to right; an empty slot is a 24-pixel gap.
inline constexpr int kToolbarButtonCount = 13;
inline constexpr int kToolbarButtonWidth = 48;
inline constexpr int kToolbarHeight = 35;
inline constexpr int kToolbarGap = 24;
std::span<const std::optional<Command>> toolbarLayout();

}  // namespace fg
