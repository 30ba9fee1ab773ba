#pragma once
// The intermediate frames of an export: the supersampled pictures written to
// the workspace's render folder as 00000.png, 00001.png, ... and read back
// when the sheet or the separate files are composed.

#include <QImage>
#include <QSize>
#include <filesystem>
#include <string>

#include "model/Message.h"
#include "model/TextTemplate.h"

namespace fg {

namespace export_text {
// The file on the second line, the reason on the third.
inline constexpr const char* kIntermediateFailed =
    FG_TRANSLATE_NOOP("fg::export_text", "書き出し用の中間ファイルを保存できませんでした。\n%1\n%2");
}

// Name of intermediate image `index` inside the render folder.
std::filesystem::path intermediateFramePath(const std::filesystem::path& renderDir, int index);

// The message for an intermediate file that could not be written or read
// back: the headline, the file and the reason, one per line.
Message intermediateFailure(const std::filesystem::path& file, Message reason);

// Empty on success, otherwise the whole message.
Message writeIntermediateFrame(const QImage& frame, const std::filesystem::path& file);

// The frame as written, or a null image with *error set when the file is
// missing, unreadable or not of the given size. Frames of every size the
// export allows are read, however large.
QImage readIntermediateFrame(const std::filesystem::path& file, QSize size, Message* error);

}  // namespace fg
