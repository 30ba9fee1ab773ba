#pragma once
// Message texts and captions of the project file operations.

#include <string>
#include <string_view>

namespace fg::persistence_text {

inline constexpr const char* kProgramName = "Fulgrane3D";

// Opening.
inline constexpr const char* kReadErrorCaption = "ファイル読み込みエラー";
// "「%s」は存在しないか、…" filled with the path.
std::string cannotRead(std::string_view path);
inline constexpr const char* kBrokenFile = "対応していないファイルか、ファイルが壊れている可能性があります。";
inline constexpr const char* kNewerVersion =
    "このファイルは、より新しいバージョンのFulgrane3Dで作成されたものです。\n"
    "開くためには最新版のFulgrane3Dをインストールしてください。";

// Saving and the workspace (failures the original program did not report).
inline constexpr const char* kWriteErrorCaption = "ファイル書き込みエラー";
std::string cannotWrite(std::string_view path);
std::string materialNameNotStorable(std::string_view fileName);
std::string materialUnreadable(std::string_view fileName);
inline constexpr const char* kTreeNotStorable =
    "ノードの数または階層が多すぎるため、保存できません。\n一つのノードに置ける子ノードは9個、階層は9段までです。";
inline constexpr const char* kWorkspaceError = "作業フォルダを準備できません。";

// Recent files.
inline constexpr const char* kRecentNotFound =
    "指定したファイルが見つかりません。\n「最近使ったファイル」の一覧から削除しますか？";

}  // namespace fg::persistence_text
