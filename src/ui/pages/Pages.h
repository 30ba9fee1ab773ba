#pragma once
// The nine parameter pages, made by the page they stand for.

#include <functional>

#include "ui/PageSelector.h"

class QWidget;

namespace fg {

class Editor;
class ParameterPage;

using CurveOpener = std::function<void(int)>;

// The page for `page`; the size page is the trail size page when
// `trailSize` is set. Owned by `parent`; not yet filled.
ParameterPage* makeParameterPage(Page page, bool trailSize, Editor& editor, CurveOpener openCurve, QWidget* parent);

ParameterPage* makeEmitterPage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeTimingPage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeKillPage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeShapePage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeTexturePage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeColorPage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeMovePage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeRotatePage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeSizePage(Editor& editor, CurveOpener openCurve, QWidget* parent);
ParameterPage* makeTrailSizePage(Editor& editor, CurveOpener openCurve, QWidget* parent);

}  // namespace fg
