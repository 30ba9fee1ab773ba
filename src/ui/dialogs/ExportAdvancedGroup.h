#pragma once
// The export dialog's "詳細設定" (advanced) part: the choices for game
// engines and web pages. It starts folded away; unfolded it shows the
// metadata file, padding and extrusion, power-of-two sheets, the seamless
// loop and the animated file or video with its quality.

#include <QWidget>

#include "render/export/EngineExportOptions.h"

class QCheckBox;
class QSpinBox;
class QToolButton;

namespace fg {

class ExportAdvancedGroup : public QWidget {
    Q_OBJECT
public:
    explicit ExportAdvancedGroup(const EngineExportOptions& choices, QWidget* parent = nullptr);

    EngineExportOptions choices() const;
    bool expanded() const;

    QToolButton* toggle() const { return m_toggle; }
    QCheckBox* metaBox() const { return m_meta; }
    QSpinBox* paddingBox() const { return m_padding; }
    QCheckBox* extrudeBox() const { return m_extrude; }
    QCheckBox* pow2Box() const { return m_pow2; }
    QCheckBox* loopBox() const { return m_loop; }
    QCheckBox* animatedBox() const { return m_animated; }
    QSpinBox* qualityBox() const { return m_quality; }

signals:
    void changed();

private:
    void refresh();

    QToolButton* m_toggle = nullptr;
    QWidget* m_body = nullptr;
    QCheckBox* m_meta = nullptr;
    QSpinBox* m_padding = nullptr;
    QCheckBox* m_extrude = nullptr;
    QCheckBox* m_pow2 = nullptr;
    QCheckBox* m_loop = nullptr;
    QCheckBox* m_animated = nullptr;
    QSpinBox* m_quality = nullptr;
};

}  // namespace fg
