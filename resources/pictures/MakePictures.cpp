// Draws the 3D view's overlay pictures into the folder given as argument:
//   icons.png  128×64  tool icons move/rotate/zoom at x = 32, 64, 96;
//                      row y = 0 normal, row y = 32 highlighted
//   digits.png 128×32  glyphs 0-9, "/", ":" (10×16 each at x = 10·i, y = 0),
//                      "FPS" at (0, 16) 32×16, "Particle" at (38, 16) 55×16,
//                      "LIMIT" at (94, 16) 34×16
//   mask.png   16×16   the letterbox shade, stretched over the margins
//   white.png  8×8     the texture of particles without one
// Everything is drawn from code here: shapes, a seven-segment digit style
// and a small pixel font, so no font or outside artwork is involved.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstring>

namespace {

// 5×7 letters, one string per row, '#' set.
struct Letter {
    char name;
    const char* rows[7];
};

constexpr Letter kLetters[] = {
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'c', {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
};

const QColor kInk(255, 255, 255);
const QColor kShadow(0, 0, 0, 200);

const Letter* findLetter(char name) {
    for (const Letter& letter : kLetters) {
        if (letter.name == name) return &letter;
    }
    return nullptr;
}

// A letter 5 pixels wide and 14 high (rows doubled), with a shadow one pixel down-right.
void drawLetter(QImage& image, int x, int y, char name) {
    const Letter* letter = findLetter(name);
    if (!letter) return;
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        const QColor color = pass == 0 ? kShadow : kInk;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (letter->rows[row][col] != '#') continue;
                for (int dy = 0; dy < 2; ++dy) {
                    const int px = x + col + offset;
                    const int py = y + 1 + row * 2 + dy + offset;
                    if (image.rect().contains(px, py)) image.setPixelColor(px, py, color);
                }
            }
        }
    }
}

void drawWord(QImage& image, int x, int y, const char* word) {
    for (; *word; ++word, x += 6) drawLetter(image, x, y, *word);
}

// Seven segments: a top, b top-right, c bottom-right, d bottom, e bottom-left, f top-left, g middle.
constexpr const char* kSegments[10] = {"abcdef", "bc", "abged", "abgcd", "fgbc", "afgcd", "afgedc", "abc", "abcdefg",
                                       "abcdfg"};

void fillRect(QImage& image, int x, int y, int w, int h, const QColor& color) {
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            if (image.rect().contains(px, py)) image.setPixelColor(px, py, color);
        }
    }
}

void drawSegments(QImage& image, int x, int y, const char* segments, int offset, const QColor& color) {
    x += offset;
    y += offset;
    for (const char* s = segments; *s; ++s) {
        switch (*s) {
        case 'a': fillRect(image, x + 2, y + 1, 5, 2, color); break;
        case 'b': fillRect(image, x + 7, y + 2, 2, 6, color); break;
        case 'c': fillRect(image, x + 7, y + 8, 2, 6, color); break;
        case 'd': fillRect(image, x + 2, y + 13, 5, 2, color); break;
        case 'e': fillRect(image, x + 0, y + 8, 2, 6, color); break;
        case 'f': fillRect(image, x + 0, y + 2, 2, 6, color); break;
        case 'g': fillRect(image, x + 2, y + 7, 5, 2, color); break;
        }
    }
}

void drawDigit(QImage& image, int x, int y, int digit) {
    drawSegments(image, x, y, kSegments[digit], 1, kShadow);
    drawSegments(image, x, y, kSegments[digit], 0, kInk);
}

void drawSlash(QImage& image, int x, int y) {
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        for (int i = 0; i < 14; ++i) fillRect(image, x + 7 - i / 2 + offset, y + 1 + i + offset, 2, 1, pass == 0 ? kShadow : kInk);
    }
}

void drawColon(QImage& image, int x, int y) {
    for (int pass = 0; pass < 2; ++pass) {
        const int offset = pass == 0 ? 1 : 0;
        const QColor color = pass == 0 ? kShadow : kInk;
        fillRect(image, x + 4 + offset, y + 4 + offset, 2, 2, color);
        fillRect(image, x + 4 + offset, y + 11 + offset, 2, 2, color);
    }
}

QImage digitSheet() {
    QImage image(128, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int digit = 0; digit < 10; ++digit) drawDigit(image, digit * 10, 0, digit);
    drawSlash(image, 100, 0);
    drawColon(image, 110, 0);
    drawWord(image, 0 + 6, 16, "FPS");
    drawWord(image, 38 + 3, 16, "Particle");
    drawWord(image, 94 + 2, 16, "LIMIT");
    return image;
}

void drawArrowHead(QPainter& painter, QPointF tip, QPointF direction) {
    const QPointF side(-direction.y(), direction.x());
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip - direction * 5 + side * 4);
    head.lineTo(tip - direction * 5 - side * 4);
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void drawMoveSymbol(QPainter& painter, QPointF c) {
    painter.drawLine(c + QPointF(-9, 0), c + QPointF(9, 0));
    painter.drawLine(c + QPointF(0, -9), c + QPointF(0, 9));
    drawArrowHead(painter, c + QPointF(11, 0), QPointF(1, 0));
    drawArrowHead(painter, c + QPointF(-11, 0), QPointF(-1, 0));
    drawArrowHead(painter, c + QPointF(0, 11), QPointF(0, 1));
    drawArrowHead(painter, c + QPointF(0, -11), QPointF(0, -1));
}

void drawRotateSymbol(QPainter& painter, QPointF c) {
    painter.drawArc(QRectF(c.x() - 9, c.y() - 9, 18, 18), 100 * 16, 290 * 16);
    drawArrowHead(painter, c + QPointF(-1, -9), QPointF(-1, -0.2));
}

void drawZoomSymbol(QPainter& painter, QPointF c) {
    painter.drawEllipse(QRectF(c.x() - 9, c.y() - 9, 13, 13));
    painter.drawLine(c + QPointF(3, 3), c + QPointF(10, 10));
    painter.drawLine(c + QPointF(-5.5, -2.5), c + QPointF(0.5, -2.5));
    painter.drawLine(c + QPointF(-2.5, -5.5), c + QPointF(-2.5, 0.5));
}

QImage iconSheet() {
    QImage image(128, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 2; ++row) {
        const QColor face = row == 0 ? QColor(40, 44, 52, 190) : QColor(235, 140, 30, 235);
        for (int icon = 1; icon <= 3; ++icon) {
            const QRectF cell(icon * 32 + 1.5, row * 32 + 1.5, 29, 29);
            painter.setPen(QPen(QColor(255, 255, 255, 120), 1));
            painter.setBrush(face);
            painter.drawRoundedRect(cell, 5, 5);
            painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            const QPointF centre = cell.center();
            if (icon == 1) drawMoveSymbol(painter, centre);
            if (icon == 2) drawRotateSymbol(painter, centre);
            if (icon == 3) drawZoomSymbol(painter, centre);
        }
    }
    return image;
}

QImage plain(int size, const QColor& color) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fulgrane3d-make-pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok = iconSheet().save(folder.filePath("icons.png")) &&
                    digitSheet().save(folder.filePath("digits.png")) &&
                    plain(16, QColor(0, 0, 0, 128)).save(folder.filePath("mask.png")) &&
                    plain(8, Qt::white).save(folder.filePath("white.png"));
    if (!ok) std::fprintf(stderr, "fulgrane3d-make-pictures: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
