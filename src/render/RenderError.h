#pragma once
// A failure the editor shows in a message box: its message and caption (the
// caption may be empty). The CLI prints both.

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg {

struct RenderError {
    Message message;
    Message caption;
};

// The failure texts; the captions name shader entries and stay as they are,
// as does a compiler's own explanation.
namespace render_text {
inline constexpr const char* kContext = "fg::render_text";
inline constexpr const char* kVertexShaderFailed = FG_TRANSLATE_NOOP("fg::render_text", "バーテックスシェーダー作成失敗");
inline constexpr const char* kSpriteVertexShaderFailed = FG_TRANSLATE_NOOP("fg::render_text", "頂点シェーダー作成失敗");
inline constexpr const char* kPixelShaderFailed = FG_TRANSLATE_NOOP("fg::render_text", "ピクセルシェーダー作成失敗");
inline constexpr const char* kTextureFailed = FG_TRANSLATE_NOOP("fg::render_text", "テクスチャー読み込み失敗");
inline constexpr const char* kSpriteCaption = FG_TRANSLATE_NOOP("fg::render_text", "スプライト");
}  // namespace render_text

}  // namespace fg
