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
    Revert,
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
    PlayPause,
    StepForward,
    StepBack,
    FirstFrame,
    LastFrame,
    SpeedQuarter,
    SpeedHalf,
    SpeedNormal,
    SpeedDouble,
    LoopPreview,
    ShowTimeline,
    ShowGrid,
    ShowAxis,
    FrameEffect,
    ResetCamera,
    OnlineHelp,
    CheckUpdate,
    Version,
};
inline constexpr int kCommandCount = 36;

// The menu bar's four menus, then the submenus (Playback stands in View).
enum class MenuId { File, Edit, View, Help, Playback };
inline constexpr int kMenuBarCount = 4;
inline constexpr int kMenuCount = 5;

struct CommandInfo {
    Command command;
    MenuId menu;
    const char* label;
    const char* shortcut;  // portable key text; empty: none
    const char* helpText;  // what the status panel says on the toolbar; null: nothing
    bool checkable = false;
    bool separatorBefore = false;  // a separator in the menu before this item (a submenu's first
                                   // item: before the submenu)
    bool helpNamesKey = false;     // the help text ends with the shortcut, "…。(Space)"
};

// Every command in menu order.
std::span<const CommandInfo> commandTable();
const CommandInfo& commandInfo(Command command);
// "ファイル(&F)", "編集(&E)", "表示(&V)", "ヘルプ(&H)", "再生(&A)"
const char* menuTitle(MenuId menu);
// The submenu a menu stands in, or the menu itself for the menu bar's.
MenuId parentMenu(MenuId menu);

// The toolbar from left to right; an empty slot is a 24-pixel gap. The
// transport buttons stand last, so the others keep their places.
inline constexpr int kToolbarButtonCount = 16;
inline constexpr int kToolbarButtonWidth = 48;
inline constexpr int kToolbarHeight = 35;
inline constexpr int kToolbarGap = 24;
std::span<const std::optional<Command>> toolbarLayout();

}  // namespace fg
