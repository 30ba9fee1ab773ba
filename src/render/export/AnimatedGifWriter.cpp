#include <algorithm>
#include <memory>

#include "render/export/AnimatedWriter.h"
#include "render/export/GifSupport.h"
#include "render/export/ImageFileWriter.h"

namespace fg {

std::int64_t animationFrameEnd(const AnimationSettings& settings, int index, int unitsPerSecond) {
    const std::int64_t fps = settings.fps > 0 ? settings.fps : 1;
    const std::int64_t step = settings.step > 0 ? settings.step : 1;
    return (std::int64_t{index} + 1) * step * unitsPerSecond / fps;
}

Message writeAnimation(AnimationBegin begin, const std::vector<QImage>& frames, const AnimationSettings& settings,
                       const std::string& path) {
    if (frames.empty()) return Message::verbatim("no frames");
    Message error;
    const std::unique_ptr<AnimationWriter> writer =
        begin(frames.front().width(), frames.front().height(), settings, path, &error);
    if (!writer) return error;
    for (const QImage& frame : frames) {
        if (Message problem = writer->add(frame); !problem.empty()) return problem;
    }
    return writer->finish();
}

namespace {

Message gifProblem(int code) { return Message::verbatim(gifError(code)); }

// The application extension that makes browsers and viewers repeat the
// animation: NETSCAPE2.0 with a loop count of 0, forever.
bool putLoopForever(GifFileType* gif) {
    static const GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, sizeof kName, kName) != GIF_ERROR &&
           EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) != GIF_ERROR && EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

// Browsers show a GIF frame of 0 or 1 hundredths for a tenth of a second, so
// no frame is written shorter than 2; effects faster than 50 images a second
// then play slower, as GIF cannot show them faster.
constexpr int kShortestGifDelay = 2;

// Each frame gets its own palette and is encoded as it is added; only the
// compressed file grows.
class GifAnimationWriter : public AnimationWriter {
public:
    GifAnimationWriter(int width, int height, const AnimationSettings& settings, std::string path)
        : m_width(width), m_height(height), m_settings(settings), m_path(std::move(path)) {}

    Message open() {
        int error = 0;
        m_gif.reset(EGifOpen(&m_encoded, appendGifBytes, &error));
        if (!m_gif) return gifProblem(error);
        EGifSetGifVersion(m_gif.get(), true);
        // No global palette: every frame carries its own.
        if (EGifPutScreenDesc(m_gif.get(), m_width, m_height, 8, 0, nullptr) == GIF_ERROR ||
            !putLoopForever(m_gif.get())) {
            return gifProblem(m_gif->Error);
        }
        return {};
    }

    Message add(const QImage& frame) override {
        if (!m_gif) return Message::verbatim("the GIF was already finished or failed");
        Message problem = putFrame(frame);
        if (!problem.empty()) m_gif.reset();
        return problem;
    }

    Message finish() override {
        if (!m_gif) return Message::verbatim("the GIF was already finished or failed");
        if (m_index == 0) return Message::verbatim("no frames");
        int error = 0;
        if (EGifCloseFile(m_gif.release(), &error) == GIF_ERROR) return gifProblem(error);
        return writeExportBytes(m_path, m_encoded);
    }

private:
    Message putFrame(const QImage& frame) {
        GifFileType* gif = m_gif.get();
        // GIF delays count hundredths of a second.
        const std::int64_t end = animationFrameEnd(m_settings, m_index++, 100);
        const std::int64_t delay = std::clamp<std::int64_t>(end - m_shown, kShortestGifDelay, 65535);
        m_shown += delay;
        IndexedPicture picture;
        if (std::string problem = indexPicture(frame, picture); !problem.empty()) return Message::verbatim(problem);
        GraphicsControlBlock control{};
        // Each frame replaces the last, so transparent pixels show through
        // to the page rather than to the previous frame.
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.DelayTime = static_cast<int>(delay);
        control.TransparentColor = picture.anyClear ? kGifTransparentIndex : NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_ERROR) {
            return gifProblem(gif->Error);
        }
        std::unique_ptr<ColorMapObject, decltype(&GifFreeMapObject)> colorMap(GifMakeMapObject(256, picture.palette),
                                                                              &GifFreeMapObject);
        if (!colorMap) return Message::verbatim("GIF palette allocation failed");
        if (EGifPutImageDesc(gif, 0, 0, m_width, m_height, false, colorMap.get()) == GIF_ERROR) {
            return gifProblem(gif->Error);
        }
        for (int y = 0; y < m_height; ++y) {
            const auto row = static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width);
            if (EGifPutLine(gif, picture.indices.data() + row, m_width) == GIF_ERROR) return gifProblem(gif->Error);
        }
        return {};
    }

    int m_width;
    int m_height;
    AnimationSettings m_settings;
    std::string m_path;
    std::string m_encoded;  // giflib writes here; declared before the handle that points to it
    std::unique_ptr<GifFileType, GifCloser> m_gif;
    int m_index = 0;
    std::int64_t m_shown = 0;
};

}  // namespace

std::unique_ptr<AnimationWriter> beginAnimatedGif(int width, int height, const AnimationSettings& settings,
                                                  const std::string& path, Message* error) {
    auto writer = std::make_unique<GifAnimationWriter>(width, height, settings, path);
    if (Message problem = writer->open(); !problem.empty()) {
        if (error) *error = std::move(problem);
        return nullptr;
    }
    return writer;
}

}  // namespace fg
