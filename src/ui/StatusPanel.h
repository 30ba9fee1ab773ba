#pragma once
// The help line at the bottom: shows the help text of the control under the
// mouse in white on the panel background.

#include <QString>

#include "ui/Panel.h"

namespace fg {

class StatusPanel : public Panel {
    Q_OBJECT

public:
    explicit StatusPanel(QWidget* parent = nullptr);
    const QString& helpText() const { return m_text; }

public slots:
    void setHelpText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

}  // namespace fg
