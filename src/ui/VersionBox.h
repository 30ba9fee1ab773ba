#pragma once
// "Fulgrane3D バージョン情報": the title picture, the program's name with its
// version, and one line about the program.

#include <QDialog>
#include <QWidget>

class QLabel;

namespace fg {

// The title picture, drawn (no image file): a night-blue band with rising
// sparks and the program's name, 640 × 160.
class TitlePicture : public QWidget {
    Q_OBJECT
public:
    explicit TitlePicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {640, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class VersionBox : public QDialog {
    Q_OBJECT
public:
    VersionBox(const QString& version, QWidget* parent = nullptr);
    // "Fulgrane3D 1.2.3"
    QString versionText() const;

private:
    QLabel* m_version = nullptr;
};

void showVersionBox(QWidget* parent, const QString& version);

}  // namespace fg
