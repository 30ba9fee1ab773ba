// Builds the bundled sample effects: paints their textures, writes their
// model and saves each as a project file beside this source. Run by hand
// when a sample changes:
//     build/resources/fulgrane3d-make-samples resources/samples

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "model/EditorState.h"
#include "persistence/MaterialFiles.h"
#include "persistence/ProjectDocument.h"
#include "persistence/Workspace.h"

namespace fs = std::filesystem;

namespace fg {
namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- pictures -------------------------------------------------------------

QImage clearImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A soft round light: white core fading out to nothing.
QImage paintGlow(int size) {
    QImage image = clearImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(size / 2.0, size / 2.0, size / 2.0);
    gradient.setColorAt(0.0, QColor(255, 255, 255, 255));
    gradient.setColorAt(0.25, QColor(255, 255, 255, 180));
    gradient.setColorAt(0.6, QColor(255, 255, 255, 50));
    gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(image.rect(), gradient);
    return image;
}

// A four-pointed twinkle over a small glow.
QImage paintStar(int size) {
    QImage image = paintGlow(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double c = size / 2.0;
    for (int arm = 0; arm < 4; ++arm) {
        QPainterPath path;
        const double angle = arm * kPi / 2.0;
        const double side = angle + kPi / 2.0;
        path.moveTo(c + std::cos(angle) * c * 0.98, c + std::sin(angle) * c * 0.98);
        path.lineTo(c + std::cos(side) * size * 0.05, c + std::sin(side) * size * 0.05);
        path.lineTo(c - std::cos(side) * size * 0.05, c - std::sin(side) * size * 0.05);
        path.closeSubpath();
        QRadialGradient gradient(c, c, c);
        gradient.setColorAt(0.0, QColor(255, 255, 255, 255));
        gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillPath(path, gradient);
    }
    return image;
}

// Sixteen 64-pixel cells of a flickering flame, row by row: it flares up,
// stretches and burns out, hot white at the core and red at the rim.
QImage paintFireSheet() {
    constexpr int kCell = 64;
    QImage image = clearImage(kCell * 4, kCell * 4);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int cell = 0; cell < 16; ++cell) {
        const double t = cell / 15.0;
        const double x0 = (cell % 4) * kCell;
        const double y0 = (cell / 4) * kCell;
        const double sway = std::sin(cell * 1.7) * 5.0;
        const double height = kCell * (0.55 + 0.35 * std::sin(t * kPi));
        const double width = kCell * (0.5 - 0.25 * t);
        const double baseY = y0 + kCell * 0.9;
        QPainterPath flame;
        flame.moveTo(x0 + kCell / 2.0 - width / 2.0, baseY);
        flame.cubicTo(x0 + kCell / 2.0 - width / 2.0, baseY - height * 0.6, x0 + kCell / 2.0 + sway,
                      baseY - height * 0.7, x0 + kCell / 2.0 + sway, baseY - height);
        flame.cubicTo(x0 + kCell / 2.0 + sway, baseY - height * 0.7, x0 + kCell / 2.0 + width / 2.0,
                      baseY - height * 0.6, x0 + kCell / 2.0 + width / 2.0, baseY);
        flame.closeSubpath();
        const int fade = static_cast<int>(255 * (1.0 - 0.6 * t));
        QRadialGradient gradient(x0 + kCell / 2.0, baseY - height * 0.25, height * 0.8);
        gradient.setColorAt(0.0, QColor(255, 255, 230, fade));
        gradient.setColorAt(0.35, QColor(255, 190, 60, fade));
        gradient.setColorAt(0.75, QColor(230, 70, 20, fade * 2 / 3));
        gradient.setColorAt(1.0, QColor(160, 20, 10, 0));
        painter.fillPath(flame, gradient);
    }
    return image;
}

// A magic circle: two rings, a hexagram and rune dots, white on nothing.
QImage paintMagicCircle(int size) {
    QImage image = clearImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    QPen pen(QColor(255, 255, 255));
    pen.setWidthF(size * 0.015);
    painter.setPen(pen);
    painter.drawEllipse(c, size * 0.47, size * 0.47);
    painter.drawEllipse(c, size * 0.40, size * 0.40);
    painter.drawEllipse(c, size * 0.16, size * 0.16);
    for (int triangle = 0; triangle < 2; ++triangle) {
        QPolygonF points;
        for (int k = 0; k < 3; ++k) {
            const double a = triangle * kPi / 3.0 + k * 2.0 * kPi / 3.0 - kPi / 2.0;
            points << QPointF(c.x() + std::cos(a) * size * 0.40, c.y() + std::sin(a) * size * 0.40);
        }
        painter.drawPolygon(points);
    }
    painter.setBrush(QColor(255, 255, 255));
    for (int dot = 0; dot < 24; ++dot) {
        const double a = dot * 2.0 * kPi / 24.0;
        const double r = size * 0.435;
        painter.drawEllipse(QPointF(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r), size * 0.008, size * 0.008);
    }
    return image;
}

// A flat ring in the XZ plane with a raised rim, as triangles.
std::string ringModel() {
    constexpr int kSegments = 48;
    std::string obj = "# Fulgrane3D sample: a thin ring\n";
    char line[128];
    for (int i = 0; i < kSegments; ++i) {
        const double a = i * 2.0 * kPi / kSegments;
        const double c = std::cos(a);
        const double s = std::sin(a);
        std::snprintf(line, sizeof line, "v %.5f 0 %.5f\nv %.5f 0 %.5f\nv %.5f 0.08 %.5f\n", c * 0.85, s * 0.85, c,
                      s, c * 0.95, s * 0.95);
        obj += line;
        std::snprintf(line, sizeof line, "vt %.5f 0\nvt %.5f 1\nvt %.5f 0.5\n", i / double(kSegments),
                      i / double(kSegments), i / double(kSegments));
        obj += line;
    }
    obj += "vn 0 1 0\n";
    for (int i = 0; i < kSegments; ++i) {
        const int a = i * 3 + 1;
        const int b = ((i + 1) % kSegments) * 3 + 1;
        // inner to rim and rim to outer edge, both sides of the band
        const int faces[4][3] = {{a, a + 2, b}, {b, a + 2, b + 2}, {a + 2, a + 1, b + 2}, {b + 2, a + 1, b + 1}};
        for (const auto& f : faces) {
            std::snprintf(line, sizeof line, "f %d/%d/1 %d/%d/1 %d/%d/1\n", f[0], f[0], f[1], f[1], f[2], f[2]);
            obj += line;
            std::snprintf(line, sizeof line, "f %d/%d/1 %d/%d/1 %d/%d/1\n", f[0], f[0], f[2], f[2], f[1], f[1]);
            obj += line;
        }
    }
    return obj;
}

// ---- effects ---------------------------------------------------------------

// Flat curve at a value between 0 and 1.
void flat(Node& node, int curve, float value) {
    const float y = 100.0f - value * 100.0f;
    node.curve(curve).setPoints({{0, y}, {100, y}});
    node.curve(curve).rebuild();
}

// A curve through (age %, value) pairs.
void shape(Node& node, int curve, std::initializer_list<std::pair<float, float>> points) {
    GraphPoints list;
    for (const auto& [x, value] : points) list.push_back({x, 100.0f - value * 100.0f});
    node.curve(curve).setPoints(list);
    node.curve(curve).rebuild();
}

void colour(Node& node, float r, float g, float b) {
    flat(node, kCurveRed, r);
    flat(node, kCurveGreen, g);
    flat(node, kCurveBlue, b);
}

int materialIndex(const fs::path& workDir, const std::string& name) {
    int index = 0;
    for (const MaterialFile& file : listMaterialFiles(workDir)) {
        if (file.name == name) return index;
        ++index;
    }
    return -1;
}

int modelShape(const fs::path& workDir, const std::string& name) {
    int images = 0;
    int models = 0;
    for (const MaterialFile& file : listMaterialFiles(workDir)) {
        if (!file.isModel) ++images;
        else if (file.name == name) return kShapeFirstModel + models;
        else ++models;
    }
    return kShapeFirstModel;
}

Node& topLevel(EditorState& g, const char* name) {
    Node& node = g.tree.addChild(g.tree.root());
    node.setName(name);
    return node;
}

void commonSettings(EditorState& g) {
    g.project.frame = 60;
    g.project.fps = 60;
    g.project.width = 128;
    g.project.height = 128;
    g.write.start = 1;
    g.write.end = 60;
    g.write.step = 2;
    g.write.width = 6;
    g.write.isAlpha = 1;
    g.write.smooth = 2;
}

void buildFire(EditorState& g, const fs::path& work) {
    paintFireSheet().save(QString::fromStdString((work / "fire_sheet.png").string()));
    paintGlow(64).save(QString::fromStdString((work / "glow.png").string()));
    commonSettings(g);
    g.project.backColor = {16, 8, 8};
    g.camera.eye = {0.0f, 1.5f, -4.6f};
    g.camera.target = {0.0f, 1.1f, 0.0f};

    Node& flame = topLevel(g, "炎");
    flame.m_emitter.type = kEmitterCircleHorizontal;
    flame.m_emitter.size = {0.5f, 0.0f, 0.5f};
    flame.m_timing.end = 60;
    flame.m_timing.num = 2;
    flame.m_kill.span = 34;
    flame.m_kill.span_err = 20;
    flame.m_move.isOneWay = 1;
    flame.m_move.dirX = 0.0f;
    flame.m_move.oneway_err = 16;
    flame.m_move.speed = 4;
    flame.m_move.speed_err = 30;
    flame.m_scale.max = 16;
    flame.m_scale.max_err = 25;
    flame.m_rotate.angle = 40;
    flame.m_rotate.dir = kRotateRandom;
    flame.m_texture.ID = materialIndex(work, "fire_sheet");
    flame.m_texture.isAdd = 1;
    flame.m_texture.isAnim = 1;
    flame.m_texture.speed = 48;
    colour(flame, 1.0f, 0.7f, 0.45f);
    shape(flame, kCurveSize, {{0, 0.5f}, {30, 1.0f}, {100, 0.45f}});
    shape(flame, kCurveOpacity, {{0, 0.0f}, {12, 0.35f}, {100, 0.0f}});

    Node& embers = topLevel(g, "火の粉");
    embers.m_emitter.type = kEmitterCircleHorizontal;
    embers.m_emitter.size = {0.4f, 0.0f, 0.4f};
    embers.m_timing.end = 60;
    embers.m_timing.often = 3;
    embers.m_kill.span = 50;
    embers.m_kill.span_err = 30;
    embers.m_move.isOneWay = 1;
    embers.m_move.dirX = 0.0f;
    embers.m_move.oneway_err = 50;
    embers.m_move.speed = 6;
    embers.m_move.speed_err = 40;
    embers.m_move.gravity = -1;
    embers.m_scale.max = 2;
    embers.m_texture.ID = materialIndex(work, "glow");
    embers.m_texture.isAdd = 1;
    colour(embers, 1.0f, 0.6f, 0.2f);
    shape(embers, kCurveOpacity, {{0, 1.0f}, {70, 0.8f}, {100, 0.0f}});
}

void buildSparkle(EditorState& g, const fs::path& work) {
    paintStar(128).save(QString::fromStdString((work / "star.png").string()));
    paintGlow(64).save(QString::fromStdString((work / "glow.png").string()));
    commonSettings(g);
    g.project.backColor = {6, 6, 20};
    g.camera.eye = {0.0f, 0.8f, -7.0f};
    g.camera.target = {0.0f, 0.3f, 0.0f};

    Node& flash = topLevel(g, "閃光");
    flash.m_emitter.pos = {0.0f, 0.6f, 0.0f};
    flash.m_kill.span = 14;
    flash.m_scale.max = 70;
    flash.m_texture.ID = materialIndex(work, "glow");
    flash.m_texture.isAdd = 1;
    colour(flash, 1.0f, 0.95f, 0.8f);
    shape(flash, kCurveSize, {{0, 0.2f}, {30, 1.0f}, {100, 0.6f}});
    shape(flash, kCurveOpacity, {{0, 1.0f}, {100, 0.0f}});

    Node& burst = topLevel(g, "爆発");
    burst.m_emitter.type = kEmitterSphere;
    burst.m_emitter.pos = {0.0f, 0.6f, 0.0f};
    burst.m_timing.num = 36;
    burst.m_kill.span = 30;
    burst.m_kill.span_err = 30;
    burst.m_move.speed = 14;
    burst.m_move.speed_err = 30;
    burst.m_move.gravity = 6;
    burst.m_scale.max = 5;
    burst.m_texture.ID = materialIndex(work, "star");
    burst.m_texture.isAdd = 1;
    burst.m_rotate.angle = 180;
    burst.m_rotate.dir = kRotateRandom;
    colour(burst, 1.0f, 0.8f, 0.35f);
    shape(burst, kCurveSpeed, {{0, 1.0f}, {100, 0.5f}});  // slows to a stop
    shape(burst, kCurveOpacity, {{0, 1.0f}, {80, 0.9f}, {100, 0.3f}});

    Node& sparks = g.tree.addChild(burst);
    sparks.setName("火花");
    sparks.m_timing.type = kTimingParentDeath;
    sparks.m_timing.num = 5;
    sparks.m_emitter.type = kEmitterSphere;
    sparks.m_kill.span = 22;
    sparks.m_kill.span_err = 30;
    sparks.m_move.speed = 5;
    sparks.m_move.speed_err = 50;
    sparks.m_move.gravity = 3;
    sparks.m_scale.max = 2;
    sparks.m_texture.ID = materialIndex(work, "star");
    sparks.m_texture.isAdd = 1;
    colour(sparks, 0.55f, 0.8f, 1.0f);
    shape(sparks, kCurveOpacity, {{0, 1.0f}, {100, 0.0f}});
}

void buildMagicCircle(EditorState& g, const fs::path& work) {
    paintMagicCircle(256).save(QString::fromStdString((work / "circle.png").string()));
    paintGlow(64).save(QString::fromStdString((work / "glow.png").string()));
    std::ofstream(work / "ring.obj") << ringModel();
    commonSettings(g);
    g.project.backColor = {4, 4, 12};
    g.camera.eye = {0.0f, 3.0f, -4.4f};
    g.camera.target = {0.0f, 0.4f, 0.0f};

    Node& circle = topLevel(g, "魔法陣");
    circle.m_shape.type = kShapePlane;
    circle.m_shape.dir = kDirUp;
    circle.m_kill.span = 60;
    circle.m_scale.max = 36;
    circle.m_rotate.axis = kAxisY;
    circle.m_rotate.angle = 90;
    circle.m_texture.ID = materialIndex(work, "circle");
    circle.m_texture.isAdd = 1;
    colour(circle, 0.35f, 0.85f, 1.0f);
    shape(circle, kCurveOpacity, {{0, 0.0f}, {15, 1.0f}, {85, 1.0f}, {100, 0.0f}});

    Node& ring = topLevel(g, "リング");
    ring.m_emitter.pos = {0.0f, 0.3f, 0.0f};
    ring.m_shape.type = modelShape(work, "ring");
    ring.m_kill.span = 60;
    ring.m_scale.max = 14;
    ring.m_rotate.axis = kAxisY;
    ring.m_rotate.angle = -180;
    ring.m_texture.isAdd = 1;
    colour(ring, 0.8f, 0.45f, 1.0f);
    shape(ring, kCurveOpacity, {{0, 0.0f}, {20, 0.8f}, {80, 0.8f}, {100, 0.0f}});

    Node& trails = topLevel(g, "軌跡");
    trails.m_shape.type = kShapeTrail;
    trails.m_emitter.type = kEmitterCircleHorizontal;
    trails.m_emitter.size = {3.2f, 0.0f, 3.2f};
    trails.m_emitter.scope = kScopeSurface;
    trails.m_emitter.isEvenInterval = 1;
    trails.m_timing.num = 6;
    trails.m_kill.span = 60;
    trails.m_move.isOneWay = 1;
    trails.m_move.dirX = 0.0f;
    trails.m_move.speed = 1;
    trails.m_rotate.revAxis = kRevAxisY;
    trails.m_rotate.revAngle = 360;
    trails.m_scale.max = 3;
    trails.m_scale.trailLength = 14;
    trails.m_texture.ID = materialIndex(work, "glow");
    trails.m_texture.isAdd = 1;
    colour(trails, 1.0f, 0.85f, 0.4f);
    shape(trails, kCurveOpacity, {{0, 0.0f}, {10, 1.0f}, {90, 1.0f}, {100, 0.0f}});
}

bool writeSample(const fs::path& folder, const char* fileName, void (*build)(EditorState&, const fs::path&)) {
    std::string error;
    std::optional<ScopedWorkspace> workspace = ScopedWorkspace::createForTool(&error);
    if (!workspace) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    EditorState g;
    g.tree = EffectTree();
    g.workDir = workspace->path().string();
    build(g, workspace->path());
    g.tree.select(g.tree.root().childAt(0));
    const IoResult saved = saveProjectTo(g, (folder / fileName).string());
    if (!saved.ok) {
        std::fprintf(stderr, "%s: %s\n", fileName, saved.message.sourceText().c_str());
        return false;
    }
    std::printf("%s\n", (folder / fileName).string().c_str());
    return true;
}

}  // namespace
}  // namespace fg

int main(int argc, char** argv) {
    const fs::path folder = argc > 1 ? fs::path(argv[1]) : fs::current_path();
    bool ok = fg::writeSample(folder, "fire.nbx", fg::buildFire);
    ok = fg::writeSample(folder, "sparkle.nbx", fg::buildSparkle) && ok;
    ok = fg::writeSample(folder, "magic_circle.nbx", fg::buildMagicCircle) && ok;
    return ok ? 0 : 1;
}
