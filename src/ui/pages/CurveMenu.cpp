#include "ui/pages/CurveMenu.h"

#include <QCoreApplication>
#include <QMenu>

#include "app/Editor.h"

namespace fg {
namespace {

const char* presetLabel(CurvePreset preset) {
    switch (preset) {
    case CurvePreset::Constant: return QT_TRANSLATE_NOOP("fg::CurveMenu", "一定");
    case CurvePreset::LinearUp: return QT_TRANSLATE_NOOP("fg::CurveMenu", "直線で上がる");
    case CurvePreset::LinearDown: return QT_TRANSLATE_NOOP("fg::CurveMenu", "直線で下がる");
    case CurvePreset::EaseIn: return QT_TRANSLATE_NOOP("fg::CurveMenu", "イーズイン");
    case CurvePreset::EaseOut: return QT_TRANSLATE_NOOP("fg::CurveMenu", "イーズアウト");
    case CurvePreset::FadeInOut: return QT_TRANSLATE_NOOP("fg::CurveMenu", "フェードイン・アウト");
    case CurvePreset::Pulse: return QT_TRANSLATE_NOOP("fg::CurveMenu", "パルス");
    }
    return "";
}

}  // namespace

QMenu* popUpCurveMenu(QWidget* owner, Editor& editor, int graphNumber, const QPoint& globalPos,
                      std::function<void()> afterPaste, const std::vector<CurveMenuToggle>& toggles) {
    // One menu at a time per owner.
    for (QMenu* old : owner->findChildren<QMenu*>(QStringLiteral("curveMenu"), Qt::FindDirectChildrenOnly)) {
        old->close();
        old->deleteLater();
    }
    auto* menu = new QMenu(QCoreApplication::translate("fg::CurveMenu", "グラフ"), owner);
    menu->setObjectName(QStringLiteral("curveMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(QCoreApplication::translate("fg::CurveMenu", "コピー"));
    QAction* paste = menu->addAction(QCoreApplication::translate("fg::CurveMenu", "貼り付け"));
    paste->setEnabled(editor.canPastePoints());
    QMenu* presets = menu->addMenu(QCoreApplication::translate("fg::CurveMenu", "プリセット"));
    presets->setObjectName(QStringLiteral("curvePresets"));
    for (const CurvePreset preset : kCurvePresets) {
        QAction* item = presets->addAction(QCoreApplication::translate("fg::CurveMenu", presetLabel(preset)));
        QObject::connect(item, &QAction::triggered, owner, [&editor, graphNumber, preset, afterPaste] {
            if (editor.applyCurvePreset(graphNumber, preset) && afterPaste) afterPaste();
        });
    }
    QObject::connect(copy, &QAction::triggered, owner, [&editor, graphNumber] { editor.copyCurvePoints(graphNumber); });
    QObject::connect(paste, &QAction::triggered, owner, [&editor, graphNumber, afterPaste = std::move(afterPaste)] {
        if (editor.pasteCurvePoints(graphNumber) && afterPaste) afterPaste();
    });
    if (!toggles.empty()) menu->addSeparator();
    for (const CurveMenuToggle& toggle : toggles) {
        QAction* item = menu->addAction(toggle.text);
        item->setObjectName(toggle.name);
        item->setCheckable(true);
        item->setChecked(toggle.checked);
        item->setEnabled(toggle.enabled);
        QObject::connect(item, &QAction::toggled, owner, toggle.toggled);
    }
    menu->popup(globalPos);
    return menu;
}

}  // namespace fg
