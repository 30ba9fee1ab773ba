#pragma once
// Message texts and captions of the project file operations.

#include <string>
#include <string_view>

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg::persistence_text {

inline constexpr const char* kProgramName = "Fulgrane3D";

// Opening.
inline constexpr const char* kReadErrorCaption = FG_TRANSLATE_NOOP("fg::persistence_text", "ファイル読み込みエラー");
inline constexpr const char* kCannotRead = FG_TRANSLATE_NOOP(
    "fg::persistence_text", "「%1」は存在しないか、他のアプリケーションで開いているため読み込めません。");
std::string cannotRead(std::string_view path);
inline constexpr const char* kBrokenFile = FG_TRANSLATE_NOOP("fg::persistence_text", "対応していないファイルか、ファイルが壊れている可能性があります。");
inline constexpr const char* kNewerVersion =
    FG_TRANSLATE_NOOP("fg::persistence_text", "このファイルは、より新しいバージョンのFulgrane3Dで作成されたものです。\n"
    "開くためには最新版のFulgrane3Dをインストールしてください。");

// Saving and the workspace (failures the original program did not report).
inline constexpr const char* kWriteErrorCaption = FG_TRANSLATE_NOOP("fg::persistence_text", "ファイル書き込みエラー");
inline constexpr const char* kCannotWrite = FG_TRANSLATE_NOOP("fg::persistence_text", "「%1」に保存できませんでした。");
// The same with the reason on the next line.
inline constexpr const char* kCannotWriteBecause =
    FG_TRANSLATE_NOOP("fg::persistence_text", "「%1」に保存できませんでした。\n%2");
// With the reason for the errno `error` when it is not 0.
std::string cannotWrite(std::string_view path, int error = 0);

// Why a file could not be written, from the system's error number, in words
// a user can act on. Every text here is a message of its own for the
// translation; anything else falls back to the system's own text.
inline constexpr const char* kDiskFull = FG_TRANSLATE_NOOP("fg::persistence_text", "ディスクの空き容量が足りません。");
inline constexpr const char* kFileTooLarge =
    FG_TRANSLATE_NOOP("fg::persistence_text", "ファイルが大きすぎて、この場所には書き込めません。");
inline constexpr const char* kReadOnly = FG_TRANSLATE_NOOP("fg::persistence_text", "読み取り専用の場所のため書き込めません。");
inline constexpr const char* kNoPermission = FG_TRANSLATE_NOOP("fg::persistence_text", "この場所に書き込む権限がありません。");
inline constexpr const char* kNoFolder = FG_TRANSLATE_NOOP("fg::persistence_text", "保存先のフォルダが見つかりません。");
inline constexpr const char* kNotAFolder =
    FG_TRANSLATE_NOOP("fg::persistence_text", "保存先のパスの途中にフォルダではなくファイルがあります。");
inline constexpr const char* kFolderInTheWay = FG_TRANSLATE_NOOP("fg::persistence_text", "同じ名前のフォルダがあります。");
inline constexpr const char* kNameTooLong = FG_TRANSLATE_NOOP("fg::persistence_text", "ファイル名またはパスが長すぎます。");
inline constexpr const char* kDeviceError =
    FG_TRANSLATE_NOOP("fg::persistence_text", "ディスクの読み書きでエラーが発生しました。");
inline constexpr const char* kFileBusy = FG_TRANSLATE_NOOP("fg::persistence_text", "ファイルが使用中です。");
inline constexpr const char* kSystemError = FG_TRANSLATE_NOOP("fg::persistence_text", "システムエラー: %1");
std::string fileErrorReason(int error);
// The same as a message, for callers that show it later.
Message fileErrorMessage(int error);
inline constexpr const char* kMaterialNameNotStorable =
    FG_TRANSLATE_NOOP("fg::persistence_text",
                      "マテリアル「%1」の名前はプロジェクトファイルに保存できません。\n名前を変えて読み込み直してください。");
std::string materialNameNotStorable(std::string_view fileName);
inline constexpr const char* kMaterialUnreadable =
    FG_TRANSLATE_NOOP("fg::persistence_text", "マテリアル「%1」を読み込めないため、保存できません。");
std::string materialUnreadable(std::string_view fileName);
inline constexpr const char* kTreeNotStorable =
    FG_TRANSLATE_NOOP("fg::persistence_text", "ノードの数または階層が多すぎるため、保存できません。\n一つのノードに置ける子ノードは9個、階層は9段までです。");
inline constexpr const char* kWorkspaceError = FG_TRANSLATE_NOOP("fg::persistence_text", "作業フォルダを準備できません。");

// Recent files.
inline constexpr const char* kRecentNotFound =
    FG_TRANSLATE_NOOP("fg::persistence_text", "指定したファイルが見つかりません。\n「最近使ったファイル」の一覧から削除しますか？");

}  // namespace fg::persistence_text
