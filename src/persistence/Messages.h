#pragma once
// Message texts and captions of the project file operations.

#include <string>
#include <string_view>

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
std::string cannotWrite(std::string_view path);
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
