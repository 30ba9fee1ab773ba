#pragma once
// The help line at the bottom: shows the help text of the control under the
// mouse in white on the panel background, and a standing notice (the particle
// limit) at its right end.

#include <QString>

#include "ui/Panel.h"

namespace fg {

class StatusPanel : public Panel {
    Q_OBJECT

public:
    explicit StatusPanel(QWidget* parent = nullptr);
    const QString& helpText() const { return m_text; }
    const QString& notice() const { return m_notice; }

public slots:
    void setHelpText(const QString& text);
    // Empty: no notice.
    void setNotice(const QString& notice);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QString m_notice;
};

}  // namespace fg
