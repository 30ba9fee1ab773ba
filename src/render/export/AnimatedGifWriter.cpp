#include <algorithm>
#include <memory>

#include "render/export/AnimatedWriter.h"
#include "render/export/ExportFormat.h"
#include "render/export/GifSupport.h"
#include "render/export/ImageFileWriter.h"

namespace fg {

bool animatedFormatFor(std::string_view typed, AnimatedFormat& format) {
    const std::string extension = lowerCaseExtension(typed);
    if (extension == ".gif") format = AnimatedFormat::Gif;
    else if (extension == ".webp") format = AnimatedFormat::Webp;
    else return false;
    return true;
}

namespace {

// The application extension that makes browsers and viewers repeat the
// animation: NETSCAPE2.0 with a loop count of 0, forever.
std::string putLoopForever(GifFileType* gif) {
    static const GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    if (EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_ERROR ||
        EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_ERROR || EGifPutExtensionTrailer(gif) == GIF_ERROR) {
        return gifError(gif->Error);
    }
    return {};
}

// Browsers show a GIF frame of 0 or 1 hundredths for a tenth of a second, so
// no frame is written shorter than 2; effects faster than 50 images a second
// then play slower, as GIF cannot show them faster.
constexpr int kShortestGifDelay = 2;

}  // namespace

std::int64_t animationFrameEnd(const AnimationSettings& settings, int index, int unitsPerSecond) {
    const std::int64_t fps = settings.fps > 0 ? settings.fps : 1;
    const std::int64_t step = settings.step > 0 ? settings.step : 1;
    return (std::int64_t{index} + 1) * step * unitsPerSecond / fps;
}

std::string writeAnimatedGif(const std::vector<QImage>& frames, const AnimationSettings& settings,
                             const std::string& path) {
    if (frames.empty()) return "no frames";
    const int width = frames.front().width();
    const int height = frames.front().height();
    int error = 0;
    std::string encoded;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&encoded, appendGifBytes, &error));
    if (!gif) return gifError(error);
    EGifSetGifVersion(gif.get(), true);
    // No global palette: every frame carries its own.
    if (EGifPutScreenDesc(gif.get(), width, height, 8, 0, nullptr) == GIF_ERROR) return gifError(gif->Error);
    if (std::string problem = putLoopForever(gif.get()); !problem.empty()) return problem;
    // GIF delays count hundredths of a second.
    std::int64_t shown = 0;
    for (std::size_t index = 0; index < frames.size(); ++index) {
        const QImage& frame = frames[index];
        const std::int64_t end = animationFrameEnd(settings, static_cast<int>(index), 100);
        const std::int64_t delay = std::clamp<std::int64_t>(end - shown, kShortestGifDelay, 65535);
        shown += delay;
        IndexedPicture picture;
        if (std::string problem = indexPicture(frame, picture); !problem.empty()) return problem;
        GraphicsControlBlock control{};
        // Each frame replaces the last, so transparent pixels show through
        // to the page rather than to the previous frame.
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = static_cast<int>(delay);
        control.TransparentColor = picture.anyClear ? kGifTransparentIndex : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR) {
            return gifError(gif->Error);
        }
        std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> colorMap(GifMakeMapObject(256, picture.palette),
                                                                              &GifFreeMapObject);
        if (!colorMap) return "GIF palette allocation failed";
        if (EGifPutImageDesc(gif.get(), 0, 0, width, height, false, colorMap.get()) == GIF_ERROR) {
            return gifError(gif->Error);
        }
        for (int y = 0; y < height; ++y) {
            const auto row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
            if (EGifPutLine(gif.get(), picture.indices.data() + row, width) == GIF_ERROR) return gifError(gif->Error);
        }
    }
    GifFileType* closing = gif.release();
    if (EGifCloseFile(closing, &error) == GIF_ERROR) return gifError(error);
    return writeExportBytes(path, encoded);
}

}  // namespace fg
