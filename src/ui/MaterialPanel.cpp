#include "ui/MaterialPanel.h"

#include <QDragEnterEvent>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QUrl>
#include <filesystem>

#include "app/Editor.h"
#include "ui/PanelFont.h"

namespace fg {

QPixmap modelIcon() {
    QPixmap icon(33, 33);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // A small wire cube.
    const QPointF a(8, 12), b(21, 12), c(21, 25), d(8, 25);
    const QPointF shift(5, -5);
    p.setPen(QPen(QColor(255, 255, 0), 1.4));
    p.setBrush(QColor(255, 255, 0, 40));
    p.drawPolygon(QPolygonF({a, b, c, d}));
    p.drawPolygon(QPolygonF({a, a + shift, b + shift, b}));
    p.drawPolygon(QPolygonF({b, b + shift, c + shift, c}));
    return icon;
}

MaterialPanel::MaterialPanel(Editor& editor, QWidget* parent)
    : ListPanel(QStringLiteral("materialPanel"), tr("マテリアルパネル"), kRowHeight, parent), m_editor(editor),
      m_modelIcon(modelIcon()) {
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    connect(addButton(ButtonPicture::Plus, tr("素材を追加する。")), &QAbstractButton::clicked, this,
            &MaterialPanel::addFromDialog);
    connect(addButton(ButtonPicture::Cross, tr("素材を削除する。")), &QAbstractButton::clicked, this,
            &MaterialPanel::deleteSelected);
    connect(addButton(ButtonPicture::Disk, tr("素材をファイルに保存する。")), &QAbstractButton::clicked, this,
            &MaterialPanel::saveSelected);
    connect(addButton(ButtonPicture::Mirror, tr("左右反転する。")), &QAbstractButton::clicked, this,
            &MaterialPanel::mirrorSelected);
    for (int i = 4; i < 8; ++i) addButton(ButtonPicture::Empty, QString());
    connect(&m_editor, &Editor::documentChanged, this, [this](DocumentChanges what) {
        if (what & DocumentPart::Materials) reload();
    });
    reload();
}

void MaterialPanel::reload() {
    // The selection stays on the same file, wherever the list moved it; a
    // position would now name a neighbour.
    const std::string selectedFile = validSelection() ? m_materials[static_cast<std::size_t>(m_selected)].fileName
                                                      : std::string();
    m_materials = m_editor.materials().list();
    m_thumbnails.clear();
    const std::filesystem::path workDir = m_editor.state().workDir;
    for (const MaterialFile& material : m_materials) {
        if (material.isModel) {
            m_thumbnails.push_back(m_modelIcon);
            continue;
        }
        const QPixmap picture(QString::fromStdString((workDir / material.fileName).string()));
        m_thumbnails.push_back(picture.isNull() ? QPixmap()
                                                : picture.scaled(33, 33, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    m_selected = -1;
    for (std::size_t i = 0; i < m_materials.size() && !selectedFile.empty(); ++i) {
        if (m_materials[i].fileName == selectedFile) m_selected = static_cast<int>(i);
    }
    setRowCount(static_cast<int>(m_materials.size()));
    update();
}

void MaterialPanel::setSelectedIndex(int index) {
    m_selected = index;
    update();
}

bool MaterialPanel::validSelection() const {
    return m_selected >= 0 && m_selected < static_cast<int>(m_materials.size());
}

void MaterialPanel::paintRows(QPainter& p, const QRect& visible) {
    p.setFont(panelFont(10));
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < m_materials.size(); ++i) {
        const int top = static_cast<int>(i) * kRowHeight;
        if (top > visible.bottom() || top + kRowHeight < visible.top()) continue;
        if (static_cast<int>(i) == m_selected) {
            p.fillRect(QRect(0, top, width(), kRowHeight), palette().color(QPalette::Highlight));
        }
        if (!m_thumbnails[i].isNull()) p.drawPixmap(QRect(0, top, 33, 33), m_thumbnails[i]);
        p.setPen(m_materials[i].isModel ? QColor(255, 255, 0) : QColor(Qt::white));
        p.drawText(QRect(35, top + 3, kScrollbarX - 35, 24), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QString::fromStdString(m_materials[i].name));
    }
}

void MaterialPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = rowAt(event->position().toPoint().y());
    if (row < 0) return;
    // A click past the list selects nothing the commands act on.
    setSelectedIndex(row < static_cast<int>(m_materials.size()) ? row : -1);
}

void MaterialPanel::keyPressEvent(QKeyEvent* event) {
    const int count = static_cast<int>(m_materials.size());
    switch (event->key()) {
    case Qt::Key_Up:
        if (count > 0) setSelectedIndex(std::max(0, m_selected - 1));
        break;
    case Qt::Key_Down:
        if (count > 0) setSelectedIndex(std::min(count - 1, m_selected + 1));
        break;
    case Qt::Key_Delete: deleteSelected(); break;
    default: ListPanel::keyPressEvent(event); return;
    }
    if (validSelection()) scrollToRow(m_selected);
    event->accept();
}

void MaterialPanel::addFromDialog() {
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("materialOpenDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(tr("すべてのファイル(*.*)"));
    if (dialog.exec() != QDialog::Accepted) return;
    std::vector<std::string> paths;
    for (const QString& file : dialog.selectedFiles()) paths.push_back(file.toStdString());
    m_editor.materials().importFiles(paths);
}

void MaterialPanel::deleteSelected() {
    if (!validSelection()) return;
    // A material nodes use is deleted only after a question.
    if (!m_editor.materials().removeAsking(m_selected)) return;
    m_selected = -1;
    update();
}

void MaterialPanel::renameSelected() {
    if (!validSelection()) return;
    const int index = m_selected;
    const QString current = QString::fromStdString(m_materials[static_cast<std::size_t>(index)].name);
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("materialRenameDialog"));
    dialog.setWindowTitle(tr("名前の変更"));
    dialog.setLabelText(tr("新しい名前："));
    dialog.setTextValue(current);
    if (dialog.exec() != QDialog::Accepted) return;
    const std::string name = dialog.textValue().toStdString();
    if (!m_editor.materials().rename(index, name)) return;
    // The selection stays on the material under its new name.
    for (std::size_t i = 0; i < m_materials.size(); ++i) {
        if (m_materials[i].name == name) setSelectedIndex(static_cast<int>(i));
    }
}

void MaterialPanel::replaceSelected() {
    if (!validSelection()) return;
    const int index = m_selected;
    const bool model = m_materials[static_cast<std::size_t>(index)].isModel;
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("materialReplaceDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({model ? tr("3Dモデル(*.obj)") : tr("画像ファイル(*.png *.bmp *.jpg *.jpeg)"),
                           tr("すべてのファイル(*.*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    m_editor.materials().replace(index, dialog.selectedFiles().front().toStdString());
}

void MaterialPanel::reloadSelected() {
    if (!validSelection()) return;
    m_editor.materials().reload(m_selected);
}

std::unique_ptr<QMenu> MaterialPanel::makeContextMenu() {
    auto menu = std::make_unique<QMenu>(this);
    menu->setObjectName(QStringLiteral("materialContextMenu"));
    const bool selected = validSelection();
    const bool model = selected && m_materials[static_cast<std::size_t>(m_selected)].isModel;
    const auto add = [&](const QString& text, const char* name, bool enabled, void (MaterialPanel::*command)()) {
        QAction* action = menu->addAction(text, this, command);
        action->setObjectName(QString::fromLatin1(name));
        action->setEnabled(enabled);
    };
    add(tr("インポート..."), "materialImport", true, &MaterialPanel::addFromDialog);
    menu->addSeparator();
    add(tr("名前の変更"), "materialRename", selected, &MaterialPanel::renameSelected);
    add(tr("置き換え..."), "materialReplace", selected, &MaterialPanel::replaceSelected);
    add(tr("再読み込み"), "materialReload", selected && m_editor.materials().canReload(m_selected),
        &MaterialPanel::reloadSelected);
    add(tr("左右反転"), "materialMirror", selected && !model, &MaterialPanel::mirrorSelected);
    add(tr("名前を付けて保存..."), "materialSave", selected, &MaterialPanel::saveSelected);
    menu->addSeparator();
    add(tr("削除"), "materialDelete", selected, &MaterialPanel::deleteSelected);
    return menu;
}

void MaterialPanel::contextMenuEvent(QContextMenuEvent* event) {
    // The menu acts on the row under the pointer, as a left click would select it.
    const int row = rowAt(event->pos().y());
    if (row >= 0) setSelectedIndex(row < static_cast<int>(m_materials.size()) ? row : -1);
    const std::unique_ptr<QMenu> menu = makeContextMenu();
    menu->exec(event->globalPos());
    event->accept();
}

void MaterialPanel::saveSelected() {
    if (!validSelection()) return;
    const MaterialFile material = m_materials[static_cast<std::size_t>(m_selected)];
    // "fire.jpg" is offered as fire.png, the model "ship" as ship.obj.
    const QString name = QFileInfo(QString::fromStdString(material.name)).completeBaseName();
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("materialSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (material.isModel) {
        dialog.setNameFilter(tr("3Dモデル(*.obj)"));
        dialog.setDefaultSuffix(QStringLiteral("obj"));
        dialog.selectFile(name + QStringLiteral(".obj"));
    } else {
        dialog.setNameFilter(tr("PNGファイル(*.png)"));
        dialog.setDefaultSuffix(QStringLiteral("png"));
        dialog.selectFile(name + QStringLiteral(".png"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    m_editor.materials().saveCopy(m_selected, dialog.selectedFiles().front().toStdString());
}

void MaterialPanel::mirrorSelected() {
    if (!validSelection()) return;
    const int index = m_selected;
    m_editor.materials().mirror(index);
    setSelectedIndex(index);
}

void MaterialPanel::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MaterialPanel::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    }
    if (paths.empty()) return;
    event->acceptProposedAction();
    m_editor.materials().importFiles(paths);
}

}  // namespace fg
