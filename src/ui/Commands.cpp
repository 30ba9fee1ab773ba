#include "ui/Commands.h"

#include <QtGlobal>

namespace fg {
namespace {

constexpr std::array<CommandInfo, kCommandCount> kCommands{{
    {Command::New, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "新規作成(&N)"), "Ctrl+N", QT_TRANSLATE_NOOP("fg::MainWindow", "新しくエフェクトを作成する。")},
    {Command::Open, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "開く(&O)"), "Ctrl+O", QT_TRANSLATE_NOOP("fg::MainWindow", "エフェクトを開く。")},
    {Command::Save, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "上書き保存(&S)"), "Ctrl+S", QT_TRANSLATE_NOOP("fg::MainWindow", "上書き保存する。"), false, true},
    // Ctrl+A stays select-all in text fields.
    {Command::SaveAs, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "名前を付けて保存(&A)"), "Ctrl+Shift+S", nullptr},
    {Command::Revert, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "元に戻す（保存時の状態）(&R)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "保存されていない変更を捨て、最後に保存した状態に戻す。")},
    {Command::Export, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "書き出し(&W)"), "Ctrl+W", QT_TRANSLATE_NOOP("fg::MainWindow", "画像ファイルに書き出し。"), false, true},
    {Command::Exit, MenuId::File, QT_TRANSLATE_NOOP("fg::MainWindow", "終了(&E)"), "Alt+F4", nullptr},
    {Command::Undo, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "元に戻す(&U)"), "Ctrl+Z", QT_TRANSLATE_NOOP("fg::MainWindow", "元に戻す。")},
    {Command::Redo, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "やりなおし(&R)"), "Ctrl+Y", QT_TRANSLATE_NOOP("fg::MainWindow", "やりなおし。")},
    {Command::Remake, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "リメイク(&M)"), "Ctrl+R", QT_TRANSLATE_NOOP("fg::MainWindow", "設定をそのままにエフェクトを作り直す。"),
     false, true},
    {Command::ProjectSettings, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "プロジェクトの設定(&P)"), "Ctrl+P",
     QT_TRANSLATE_NOOP("fg::MainWindow", "「プロジェクトの設定」ダイアログを表示。"), false, true},
    {Command::BackgroundColor, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "背景色の設定(&B)"), "Ctrl+B",
     QT_TRANSLATE_NOOP("fg::MainWindow", "「背景色の設定」ダイアログを表示。")},
    {Command::CameraSettings, MenuId::Edit, QT_TRANSLATE_NOOP("fg::MainWindow", "カメラの設定(&C)"), "Ctrl+C",
     QT_TRANSLATE_NOOP("fg::MainWindow", "「カメラの設定」ダイアログを表示。")},
    {Command::ShowFrame, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "現在のフレーム(&F)"), "Ctrl+F", nullptr, true},
    {Command::ShowParticles, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "現在のパーティクル数(&P)"), "Ctrl+T", nullptr, true},
    {Command::ShowFps, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "現在のFPS(&S)"), "Ctrl+L", nullptr, true},
    {Command::HistoryList, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "履歴リスト(&H)"), "Ctrl+H", QT_TRANSLATE_NOOP("fg::MainWindow", "「履歴リスト」を表示。"), false,
     true},
    {Command::ViewList, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "視点リスト(&V)"), "Ctrl+V", QT_TRANSLATE_NOOP("fg::MainWindow", "「視点リスト」を表示。")},
    {Command::PlayPause, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "再生/一時停止(&P)"), "Space",
     QT_TRANSLATE_NOOP("fg::MainWindow", "再生と一時停止を切り替える。"), false, true, true},
    {Command::StepForward, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "1フレーム進む(&N)"), ".",
     QT_TRANSLATE_NOOP("fg::MainWindow", "1フレーム進める。"), false, false, true},
    {Command::StepBack, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "1フレーム戻る(&B)"), ",",
     QT_TRANSLATE_NOOP("fg::MainWindow", "1フレーム戻す。"), false, false, true},
    {Command::FirstFrame, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "最初のフレームへ(&H)"), "Home",
     QT_TRANSLATE_NOOP("fg::MainWindow", "最初のフレームへ移動する。"), false, false, true},
    {Command::LastFrame, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "最後のフレームへ(&E)"), "End",
     QT_TRANSLATE_NOOP("fg::MainWindow", "書き出し範囲の最後のフレームへ移動する。"), false, false, true},
    {Command::SpeedQuarter, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "再生速度 ¼×(&1)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "¼倍の速さで再生する。"), true, true, false},
    {Command::SpeedHalf, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "再生速度 ½×(&2)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "½倍の速さで再生する。"), true, false, false},
    {Command::SpeedNormal, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "再生速度 1×(&3)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "本来の速さで再生する。"), true, false, false},
    {Command::SpeedDouble, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "再生速度 2×(&4)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "2倍の速さで再生する。"), true, false, false},
    {Command::LoopPreview, MenuId::Playback, QT_TRANSLATE_NOOP("fg::MainWindow", "ループ再生(&L)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "書き出しのループと同じく、パーティクルを次の周回へ持ち越して再生する。"), true, true, false},
    {Command::ShowTimeline, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "タイムライン(&T)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "ビューの下にタイムラインを表示する。"), true, false, false},
    {Command::ShowGrid, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "グリッド(&G)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "地面のグリッドを表示する。"), true, true, false},
    {Command::ShowAxis, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "軸(&X)"), "",
     QT_TRANSLATE_NOOP("fg::MainWindow", "地面の軸を表示する。"), true, false, false},
    {Command::FrameEffect, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "エフェクト全体を表示(&E)"), "F",
     QT_TRANSLATE_NOOP("fg::MainWindow", "エフェクト全体が収まるようにカメラを合わせる。"), false, true, true},
    {Command::ResetCamera, MenuId::View, QT_TRANSLATE_NOOP("fg::MainWindow", "カメラをリセット(&R)"), "Shift+F",
     QT_TRANSLATE_NOOP("fg::MainWindow", "カメラをプロジェクトの既定に戻す。"), false, false, true},
    {Command::OnlineHelp, MenuId::Help, QT_TRANSLATE_NOOP("fg::MainWindow", "オンライン情報交換(&H)"), "F1", QT_TRANSLATE_NOOP("fg::MainWindow", "オンラインヘルプ")},
    {Command::CheckUpdate, MenuId::Help, QT_TRANSLATE_NOOP("fg::MainWindow", "アップデート確認(&U)"), "", nullptr, false, true},
    {Command::Version, MenuId::Help, QT_TRANSLATE_NOOP("fg::MainWindow", "バージョン情報(&V)"), "", nullptr},
}};

constexpr std::array<const char*, kMenuCount> kMenuTitles{
    QT_TRANSLATE_NOOP("fg::MainWindow", "ファイル(&F)"),
    QT_TRANSLATE_NOOP("fg::MainWindow", "編集(&E)"),
    QT_TRANSLATE_NOOP("fg::MainWindow", "表示(&V)"),
    QT_TRANSLATE_NOOP("fg::MainWindow", "ヘルプ(&H)"),
    QT_TRANSLATE_NOOP("fg::MainWindow", "再生(&A)"),
};

constexpr std::array<std::optional<Command>, 23> kToolbar{
    Command::New,         Command::Open,           Command::Save,            std::nullopt,
    Command::Export,      std::nullopt,            Command::Undo,            Command::Redo,
    std::nullopt,         Command::Remake,         std::nullopt,             Command::ProjectSettings,
    Command::CameraSettings, Command::BackgroundColor, std::nullopt,         Command::HistoryList,
    Command::ViewList,    std::nullopt,            Command::OnlineHelp,      std::nullopt,
    Command::PlayPause,   Command::StepBack,       Command::StepForward,
};

}  // namespace

std::span<const CommandInfo> commandTable() { return kCommands; }

const CommandInfo& commandInfo(Command command) { return kCommands[static_cast<std::size_t>(command)]; }

const char* menuTitle(MenuId menu) { return kMenuTitles[static_cast<std::size_t>(menu)]; }

MenuId parentMenu(MenuId menu) { return menu == MenuId::Playback ? MenuId::View : menu; }

std::span<const std::optional<Command>> toolbarLayout() { return kToolbar; }

}  // namespace fg
