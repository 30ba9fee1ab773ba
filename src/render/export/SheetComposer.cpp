#include "render/export/SheetComposer.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <utility>

#include "persistence/FileBytes.h"
#include "render/BackgroundColor.h"
#include "render/export/ExportDestinations.h"
#include "render/export/ExportFormat.h"
#include "render/export/ExportText.h"
#include "render/export/AnimatedWriter.h"
#include "render/export/CellExtrude.h"
#include "render/export/ImageFileWriter.h"
#include "render/export/SheetLayout.h"
#include "render/export/SheetMetadata.h"

namespace fg {
namespace {

// 96 dots per inch, in dots per metre.
constexpr int kDotsPerMetre = 3780;

// Null when there is no memory for it. The resolution written into the file
// is fixed: left to Qt it follows the process's screen, so the editor and the
// command-line tool would write different bytes for the same picture.
QImage blankCanvas(int width, int height, bool fill, Vec3f backColor) {
    QImage canvas(width, height, QImage::Format_ARGB32_Premultiplied);
    canvas.setDotsPerMeterX(kDotsPerMetre);
    canvas.setDotsPerMeterY(kDotsPerMetre);
    const Rgb8 back = backgroundBytes(backColor);
    canvas.fill(fill ? QColor(back.r, back.g, back.b, 255) : QColor(0, 0, 0, 0));
    return canvas;
}

Message noMemoryFor(std::int64_t width, std::int64_t height) {
    char reason[96];
    std::snprintf(reason, sizeof reason, "no memory for a %lld×%lld picture", static_cast<long long>(width),
                  static_cast<long long>(height));
    return Message::verbatim(reason);
}

// Draws a frame at the render size scaled into the cell. Frames arrive as
// the renderer reads them (RGBA8888) or as the intermediate PNG files read
// back (ARGB32); both are first put in the read-back form, so either way
// gives the same pixels.
// Taken by value: a frame handed over alone is converted in place.
void drawFrame(QPainter& painter, const ExportPlan& plan, QImage frame, int x, int y) {
    if (frame.format() != QImage::Format_ARGB32) frame = std::move(frame).convertToFormat(QImage::Format_ARGB32);
    const int width = plan.frameWidth;
    const int height = plan.frameHeight;
    // Qt's smooth scaling averages the covered source area when shrinking.
    // The large frame is converted in place rather than copied.
    const QImage scaled = frame.size() == QSize(width, height)
                              ? frame
                              : std::move(frame)
                                    .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                                    .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(QPoint(x, y), scaled);
}

Message failure(const std::string& path, Message reason) {
    return exportMessage(export_text::kSaveFailed).arg(path).arg(std::move(reason));
}

// Draws the frame into its cell and repeats its edges into the padding when asked.
void drawCell(QImage& canvas, const ExportPlan& plan, const SheetLayout& layout, int cell, QImage frame) {
    const CellRect rect = layout.frame(cell);
    {
        QPainter painter(&canvas);
        drawFrame(painter, plan, std::move(frame), rect.x, rect.y);
    }
    if (plan.engine.extrude) extrudeCell(canvas, rect, layout.padding);
}

// Writes the metadata beside the pictures; false with result.error set.
bool writeMetadata(const ComposeRequest& request, const SheetMetadata& metadata, ComposeResult& result) {
    const std::string path = metadataPath(request.destination);
    if (Message error = writeExportBytes(path, metadataJson(metadata)); !error.empty()) {
        result.error = failure(path, std::move(error));
        return false;
    }
    result.written.push_back(path);
    return true;
}

}  // namespace

struct FrameComposer::State {
    enum class Kind { Sheet, SeparateFiles, Animation };

    ComposeRequest request;
    Kind kind = Kind::Sheet;
    ImageFormat format = ImageFormat::Png;
    bool fill = false;
    std::vector<std::string> outputs;
    SheetLayout layout;
    QImage sheet;                                 // the sheet being filled
    std::unique_ptr<AnimationWriter> animation;  // or the animation being encoded
    int next = 0;                                 // the index of the next frame
    ComposeResult result;                         // the error, once there is one, and the files written

    // A blank canvas of one frame's file or the animation's frame; null
    // with result.error set (naming `path`) when there is no memory for it.
    QImage frameCanvas(int width, int height, const std::string& path) {
        QImage canvas = blankCanvas(width, height, fill, request.backColor);
        if (canvas.isNull()) result.error = failure(path, noMemoryFor(width, height));
        return canvas;
    }
    void addToSheet(QImage frame);
    void addSeparateFile(QImage frame);
    void addToAnimation(QImage frame);
};

std::unique_ptr<FrameComposer> FrameComposer::begin(const ComposeRequest& request, ComposeResult* failed) {
    auto state = std::make_unique<State>();
    state->request = request;
    const ExportPlan& plan = request.plan;
    const std::string extension = fileExtension(request.destination);
    state->format = formatForExtension(extension);
    state->fill = !keepsTransparentBackground(plan.transparent, extension);
    const EngineExportOptions& engine = plan.engine;
    const ExportFormat* animatedFormat = engine.animated ? animationFormatFor(extension) : nullptr;
    const bool animated = animatedFormat != nullptr;
    state->kind = animated ? State::Kind::Animation
                           : plan.separateFiles ? State::Kind::SeparateFiles : State::Kind::Sheet;
    state->outputs = exportOutputPaths(request.destination, plan.separateFiles && !animated, request.lastIndex);
    std::vector<std::string> guarded = state->outputs;
    if (engine.metaJson && !animated) guarded.push_back(metadataPath(request.destination));
    const auto refuse = [&](Message error) {
        if (failed) failed->error = std::move(error);
        return nullptr;
    };
    if (const auto hit = outputOverSource(guarded, request.sources)) return refuse(overwritesProjectMessage(*hit));
    // Exports killed between writing and renaming left their temporaries here.
    removeStaleTemporaries(std::vector<std::filesystem::path>(guarded.begin(), guarded.end()));

    switch (state->kind) {
        case State::Kind::Animation: {
            AnimationSettings settings;
            settings.step = plan.step;
            settings.fps = request.fps;
            settings.quality = engine.quality;
            const Rgb8 back = backgroundBytes(request.backColor);
            settings.background = qRgba(back.r, back.g, back.b, 255);
            Message error;
            state->animation =
                animatedFormat->animation(plan.frameWidth, plan.frameHeight, settings, request.destination, &error);
            if (!state->animation) return refuse(failure(request.destination, std::move(error)));
            break;
        }
        case State::Kind::SeparateFiles:
            state->layout = sheetLayout(1, 1, plan.frameWidth, plan.frameHeight, engine);
            break;
        case State::Kind::Sheet: {
            state->layout = sheetLayout(plan.columns, plan.rows, plan.frameWidth, plan.frameHeight, engine);
            const std::int64_t width = state->layout.width;
            const std::int64_t height = state->layout.height;
            if (width <= INT_MAX && height <= INT_MAX) {
                state->sheet =
                    blankCanvas(static_cast<int>(width), static_cast<int>(height), state->fill, request.backColor);
            }
            if (state->sheet.isNull()) return refuse(failure(request.destination, noMemoryFor(width, height)));
            break;
        }
    }
    return std::unique_ptr<FrameComposer>(new FrameComposer(std::move(state)));
}

FrameComposer::FrameComposer(std::unique_ptr<State> state) : m_state(std::move(state)) {}
FrameComposer::~FrameComposer() = default;

const std::vector<std::string>& FrameComposer::written() const { return m_state->result.written; }

void FrameComposer::State::addToSheet(QImage frame) {
    // Each cell is extruded right after it is drawn, before its neighbours.
    drawCell(sheet, request.plan, layout, next, std::move(frame));
}

void FrameComposer::State::addSeparateFile(QImage frame) {
    const std::string& path = outputs[static_cast<std::size_t>(next)];
    const int width = static_cast<int>(std::min<std::int64_t>(layout.width, INT_MAX));
    const int height = static_cast<int>(std::min<std::int64_t>(layout.height, INT_MAX));
    QImage canvas = frameCanvas(width, height, path);
    if (canvas.isNull()) return;
    drawCell(canvas, request.plan, layout, 0, std::move(frame));
    if (Message error = writeImageFile(canvas, path, format); !error.empty()) {
        result.error = failure(path, std::move(error));
        return;
    }
    result.written.push_back(path);
}

void FrameComposer::State::addToAnimation(QImage frame) {
    const ExportPlan& plan = request.plan;
    QImage canvas = frameCanvas(plan.frameWidth, plan.frameHeight, request.destination);
    if (canvas.isNull()) return;
    {
        QPainter painter(&canvas);
        drawFrame(painter, plan, std::move(frame), 0, 0);
    }
    if (Message error = animation->add(canvas); !error.empty()) result.error = failure(request.destination, std::move(error));
}

Message FrameComposer::add(QImage frame) {
    State& state = *m_state;
    if (!state.result.error.empty()) return state.result.error;
    if (state.kind == State::Kind::SeparateFiles && static_cast<std::size_t>(state.next) >= state.outputs.size()) {
        state.result.error = failure(state.request.destination, Message::verbatim("more frames than the export has"));
        return state.result.error;
    }
    switch (state.kind) {
        case State::Kind::Sheet: state.addToSheet(std::move(frame)); break;
        case State::Kind::SeparateFiles: state.addSeparateFile(std::move(frame)); break;
        case State::Kind::Animation: state.addToAnimation(std::move(frame)); break;
    }
    ++state.next;
    return state.result.error;
}

ComposeResult FrameComposer::finish() {
    State& state = *m_state;
    ComposeResult& result = state.result;
    if (!result.error.empty()) return result;
    const ComposeRequest& request = state.request;
    const int durationMs = frameDurationMs(request.plan.step, request.fps);
    const bool metaJson = request.plan.engine.metaJson;
    switch (state.kind) {
        case State::Kind::Animation:
            if (Message error = state.animation->finish(); !error.empty()) {
                result.error = failure(request.destination, std::move(error));
                return result;
            }
            result.written.push_back(request.destination);
            break;
        case State::Kind::SeparateFiles:
            if (metaJson) {
                writeMetadata(request,
                              separateFilesMetadata(request.destination, result.written, state.layout, durationMs),
                              result);
            }
            break;
        case State::Kind::Sheet:
            if (Message error = writeImageFile(state.sheet, request.destination, state.format); !error.empty()) {
                result.error = failure(request.destination, std::move(error));
                return result;
            }
            result.written.push_back(request.destination);
            if (metaJson) {
                writeMetadata(request, sheetMetadata(request.destination, state.layout, state.next, durationMs),
                              result);
            }
            break;
    }
    return result;
}

ComposeResult composeExport(const ComposeRequest& request) {
    ComposeResult result;
    const std::unique_ptr<FrameComposer> composer = FrameComposer::begin(request, &result);
    if (!composer) return result;
    const QSize renderSize(request.plan.renderWidth(), request.plan.renderHeight());
    for (int i = 0; i <= request.lastIndex; ++i) {
        Message error;
        QImage frame = readIntermediateFrame(intermediateFramePath(request.renderDir, i), renderSize, &error);
        if (frame.isNull()) {
            result.error = std::move(error);
            result.written = composer->written();
            return result;
        }
        if (error = composer->add(std::move(frame)); !error.empty()) {
            result.error = std::move(error);
            result.written = composer->written();
            return result;
        }
    }
    return composer->finish();
}

}  // namespace fg
