#include "ui/pages/Pages.h"

#include "ui/pages/ParameterPage.h"

namespace fg {

ParameterPage* makeParameterPage(Page page, bool trailSize, Editor& editor, CurveOpener openCurve, QWidget* parent) {
    switch (page) {
    case Page::Source: return makeEmitterPage(editor, std::move(openCurve), parent);
    case Page::Spawn: return makeTimingPage(editor, std::move(openCurve), parent);
    case Page::Kill: return makeKillPage(editor, std::move(openCurve), parent);
    case Page::Shape: return makeShapePage(editor, std::move(openCurve), parent);
    case Page::Image: return makeTexturePage(editor, std::move(openCurve), parent);
    case Page::Color: return makeColorPage(editor, std::move(openCurve), parent);
    case Page::Move: return makeMovePage(editor, std::move(openCurve), parent);
    case Page::Rotate: return makeRotatePage(editor, std::move(openCurve), parent);
    case Page::Size:
        return trailSize ? makeTrailSizePage(editor, std::move(openCurve), parent)
                         : makeSizePage(editor, std::move(openCurve), parent);
    }
    return nullptr;
}

}  // namespace fg
