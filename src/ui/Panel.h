#pragma once
// One of the main window's five panels: an area filled with the panel
// background inside a thin dark border (its contents margins). The node and
// material panels start as plain panels and are filled by their own classes.

#include <QWidget>

namespace fg {

class Panel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = 1;

    explicit Panel(const QString& name, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fg
