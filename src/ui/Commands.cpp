#include "ui/Commands.h"

#include <QtGlobal>

namespace fg {
namespace {

#define FG_TR(text) QT_TRANSLATE_NOOP("fg::MainWindow", text)

constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {Command::New, MenuId::File, FG_TR("新規作成(&N)"), "Ctrl+N", FG_TR("新しくエフェクトを作成する。")},
    {Command::Open, MenuId::File, FG_TR("開く(&O)"), "Ctrl+O", FG_TR("エフェクトを開く。")},
    {Command::Save, MenuId::File, FG_TR("上書き保存(&S)"), "Ctrl+S", FG_TR("上書き保存する。"), false, true},
    // Ctrl+A stays select-all in text fields.
    {Command::SaveAs, MenuId::File, FG_TR("名前を付けて保存(&A)"), "Ctrl+Shift+S", nullptr},
    {Command::Export, MenuId::File, FG_TR("書き出し(&W)"), "Ctrl+W", FG_TR("画像ファイルに書き出し。"), false, true},
    {Command::Exit, MenuId::File, FG_TR("終了(&E)"), "Alt+F4", nullptr},
    {Command::Undo, MenuId::Edit, FG_TR("元に戻す(&U)"), "Ctrl+Z", FG_TR("元に戻す。")},
    {Command::Redo, MenuId::Edit, FG_TR("やりなおし(&R)"), "Ctrl+Y", FG_TR("やりなおし。")},
    {Command::Remake, MenuId::Edit, FG_TR("リメイク(&M)"), "Ctrl+R", FG_TR("設定をそのままにエフェクトを作り直す。"),
     false, true},
    {Command::ProjectSettings, MenuId::Edit, FG_TR("プロジェクトの設定(&P)"), "Ctrl+P",
     FG_TR("「プロジェクトの設定」ダイアログを表示。"), false, true},
    {Command::BackgroundColor, MenuId::Edit, FG_TR("背景色の設定(&B)"), "Ctrl+B",
     FG_TR("「背景色の設定」ダイアログを表示。")},
    {Command::CameraSettings, MenuId::Edit, FG_TR("カメラの設定(&C)"), "Ctrl+C",
     FG_TR("「カメラの設定」ダイアログを表示。")},
    {Command::ShowFrame, MenuId::View, FG_TR("現在のフレーム(&F)"), "Ctrl+F", nullptr, true},
    {Command::ShowParticles, MenuId::View, FG_TR("現在のパーティクル数(&P)"), "Ctrl+T", nullptr, true},
    {Command::ShowFps, MenuId::View, FG_TR("現在のFPS(&S)"), "Ctrl+L", nullptr, true},
    {Command::HistoryList, MenuId::View, FG_TR("履歴リスト(&H)"), "Ctrl+H", FG_TR("「履歴リスト」を表示。"), false,
     true},
    {Command::ViewList, MenuId::View, FG_TR("視点リスト(&V)"), "Ctrl+V", FG_TR("「視点リスト」を表示。")},
    {Command::OnlineHelp, MenuId::Help, FG_TR("オンライン情報交換(&H)"), "F1", FG_TR("オンラインヘルプ")},
    {Command::CheckUpdate, MenuId::Help, FG_TR("アップデート確認(&U)"), "", nullptr, false, true},
    {Command::Version, MenuId::Help, FG_TR("バージョン情報(&V)"), "", nullptr},
}};

constexpr std::array<const char*, kMenuCount> kMenuTitles{
    FG_TR("ファイル(&F)"),
    FG_TR("編集(&E)"),
    FG_TR("表示(&V)"),
    FG_TR("ヘルプ(&H)"),
};

constexpr std::array<std::optional<Command>, 19> kToolbar{
    Command::New,         Command::Open,           Command::Save,            std::nullopt,
    Command::Export,      std::nullopt,            Command::Undo,            Command::Redo,
    std::nullopt,         Command::Remake,         std::nullopt,             Command::ProjectSettings,
    Command::CameraSettings, Command::BackgroundColor, std::nullopt,         Command::HistoryList,
    Command::ViewList,    std::nullopt,            Command::OnlineHelp,
};

#undef FG_TR

}  // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo& commandInfo(Command command) { return kCommands[static_cast<std::size_t>(command)]; }

const char* menuTitle(MenuId menu) { return kMenuTitles[static_cast<std::size_t>(menu)]; }

std::span<const std::optional<Command>> toolbarLayout() { return kToolbar; }

}  // namespace fg
