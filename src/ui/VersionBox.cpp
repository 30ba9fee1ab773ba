#include "ui/VersionBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QVBoxLayout>
#include <cmath>

#include "ui/dialogs/DialogParts.h"

namespace fg {

TitlePicture::TitlePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titlePicture"));
    setFixedSize(640, 160);
}

void TitlePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = rect();
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(8, 10, 28));
    sky.setColorAt(1.0, QColor(40, 22, 48));
    painter.fillRect(area, sky);

    // Sparks rising from a glow on the right, in a fixed pattern so that
    // every showing is the same picture.
    const QPointF source(520.0, 150.0);
    QRadialGradient glow(source, 110.0);
    glow.setColorAt(0.0, QColor(255, 170, 60, 200));
    glow.setColorAt(1.0, QColor(255, 80, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(source, 110.0, 110.0);
    for (int i = 0; i < 48; ++i) {
        const double t = i / 48.0;
        const double angle = 2.0 + 0.9 * std::sin(i * 2.39996);  // golden-angle spread
        const double reach = 30.0 + 120.0 * t;
        const QPointF at(source.x() + reach * std::cos(angle) * 0.9, source.y() - reach * std::sin(angle));
        const double radius = 1.0 + 3.0 * (1.0 - t);
        painter.setBrush(QColor(255, static_cast<int>(120 + 120 * t), static_cast<int>(40 + 60 * t),
                                static_cast<int>(230 - 150 * t)));
        painter.drawEllipse(at, radius, radius);
    }

    QFont title = font();
    title.setPixelSize(56);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(255, 236, 210));
    painter.drawText(QRectF(32.0, 24.0, 600.0, 80.0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Fulgrane3D"));
    QFont subtitle = font();
    subtitle.setPixelSize(16);
    painter.setFont(subtitle);
    painter.setPen(QColor(200, 190, 220));
    painter.drawText(QRectF(36.0, 100.0, 560.0, 30.0), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("3D パーティクルエフェクトエディタ"));
}

VersionBox::VersionBox(const QString& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("versionBox"));
    setWindowTitle(tr("Fulgrane3D バージョン情報"));
    m_version = new QLabel(QStringLiteral("%1 %2").arg(QStringLiteral("Fulgrane3D"), version).trimmed());
    m_version->setObjectName(QStringLiteral("versionText"));
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* about = new QLabel(tr("パーティクルエフェクトを作り、連番画像やシートに書き出すエディタです。"));
    about->setObjectName(QStringLiteral("aboutText"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new TitlePicture);
    layout->addWidget(m_version);
    layout->addWidget(about);
    layout->addWidget(dialogButtons(this, false));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString VersionBox::versionText() const { return m_version->text(); }

void showVersionBox(QWidget* parent, const QString& version) {
    VersionBox box(version, parent);
    box.exec();
}

}  // namespace fg
