#include "ui/PageSelector.h"

#include <algorithm>

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include "ui/PanelFont.h"

namespace fg {
namespace {

constexpr std::array<const char*, kPageCount> kCaptions{
    QT_TRANSLATE_NOOP("fg::PageSelector", "発生源"), QT_TRANSLATE_NOOP("fg::PageSelector", "発生"),
    QT_TRANSLATE_NOOP("fg::PageSelector", "消滅"),   QT_TRANSLATE_NOOP("fg::PageSelector", "形状"),
    QT_TRANSLATE_NOOP("fg::PageSelector", "画像"),   QT_TRANSLATE_NOOP("fg::PageSelector", "色"),
    QT_TRANSLATE_NOOP("fg::PageSelector", "移動"),   QT_TRANSLATE_NOOP("fg::PageSelector", "回転"),
    QT_TRANSLATE_NOOP("fg::PageSelector", "サイズ"),
};

constexpr int kFirstTabTop = 6;
constexpr int kCaptionPoints = 12;

// The tab pictures: light when idle, darker while pressed, the selection
// colour for the current page (whose caption is white).
QColor tabFace(bool current, bool pressed) {
    if (current) return {52, 84, 170};
    return pressed ? QColor(150, 150, 150) : QColor(200, 200, 200);
}

// Latin script cannot be stacked: it is turned to read from top to bottom
// and made smaller until it fits the tab.
void drawTurnedText(QPainter& painter, const QString& text, const QRect& box) {
    QFont font = painter.font();
    while (font.pointSizeF() > 6.0 && QFontMetrics(font).horizontalAdvance(text) > box.height() - 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    painter.setFont(font);
    painter.save();
    painter.translate(box.center());
    painter.rotate(90);
    const QRect turned(-box.height() / 2, -box.width() / 2, box.height(), box.width());
    painter.drawText(turned, Qt::AlignCenter, text);
    painter.restore();
}

// Japanese vertical writing: one character under the other, centred.
void drawVerticalText(QPainter& painter, const QString& text, const QRect& box) {
    const bool latin = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x2000 && c.isLetter(); });
    if (latin) {
        drawTurnedText(painter, text, box);
        return;
    }
    const QFontMetrics metrics(painter.font());
    const int lineHeight = metrics.height() - 2;
    const int count = static_cast<int>(text.size());
    int y = box.top() + (box.height() - lineHeight * count) / 2;
    for (const QChar c : text) {
        painter.drawText(QRect(box.left(), y, box.width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter, QString(c));
        y += lineHeight;
    }
}

}  // namespace

QString pageCaption(Page page) {
    return QCoreApplication::translate("fg::PageSelector", kCaptions[static_cast<std::size_t>(page)]);
}

PageTab::PageTab(Page page, QWidget* parent) : QAbstractButton(parent), m_page(page) {
    setFixedSize(kWidth, kHeight);
    setText(pageCaption(page));
    // A turned English caption may be shrunk to fit: the tip shows it whole.
    setToolTip(text());
    setFocusPolicy(Qt::NoFocus);
}

void PageTab::setCurrent(bool current) {
    if (current == m_current) return;
    m_current = current;
    update();
}

void PageTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face(1.5, 0.5, width() - 2.0, height() - 1.0);
    painter.setPen(QColor(20, 20, 20));
    painter.setBrush(tabFace(m_current, isDown()));
    painter.drawRoundedRect(face, 3, 3);
    painter.setFont(panelFont(kCaptionPoints));
    painter.setPen(m_current ? Qt::white : Qt::black);
    drawVerticalText(painter, text(), rect());
}

PageSelector::PageSelector(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageSelector"));
    setFixedSize(kWidth, kHeight);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    for (int i = 0; i < kPageCount; ++i) {
        auto* tab = new PageTab(static_cast<Page>(i), this);
        tab->move(0, kFirstTabTop + i * PageTab::kHeight);
        connect(tab, &QAbstractButton::clicked, this, [this, tab] { choose(tab->page()); });
        m_tabs[static_cast<std::size_t>(i)] = tab;
    }
    tab(m_current)->setCurrent(true);
}

void PageSelector::choose(Page page) {
    tab(m_current)->setCurrent(false);
    m_current = page;
    tab(m_current)->setCurrent(true);
    emit pageChosen(page);
}

void PageSelector::reload() { emit pageChosen(m_current); }

}  // namespace fg
