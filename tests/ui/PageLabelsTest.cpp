// The labels of the direction picker's dials and of the size page's curves:
// present, and clear of the drawing they name, in Japanese and in English.

#include <QFontMetrics>
#include <QTranslator>

#include "PageTestSupport.h"
#include "text/Language.h"
#include "ui/pages/CurveThumbnail.h"
#include "ui/pages/DirectionPicker.h"

namespace fg {
namespace {

using test::PageTest;

// Every edge label of `view` lies inside it, clear of the dial, and has the
// room its text takes.
void expectLabelsBesideTheDial(const DirectionView& view, const char* language) {
    const QRectF dial = view.dialRect();
    const QFontMetrics metrics(view.font());
    EXPECT_GE(dial.width(), DirectionView::kDial) << language;
    for (const Qt::Alignment edge : {Qt::AlignTop, Qt::AlignBottom, Qt::AlignLeft, Qt::AlignRight}) {
        const QString text = view.labelText(edge);
        const QRect box = view.labelRect(edge);
        if (view.isSide() && (edge == Qt::AlignLeft || edge == Qt::AlignRight)) {
            EXPECT_TRUE(text.isEmpty());
            continue;
        }
        const std::string where = std::string(language) + " " + text.toStdString();
        ASSERT_FALSE(text.isEmpty()) << where;
        EXPECT_TRUE(view.rect().contains(box)) << where;
        EXPECT_GE(box.width(), metrics.horizontalAdvance(text)) << where;
        const QRectF label(box);
        const double clear = edge == Qt::AlignLeft    ? dial.left() - (label.right() + 1)
                             : edge == Qt::AlignRight ? label.left() - dial.right()
                             : edge == Qt::AlignTop   ? dial.top() - (label.bottom() + 1)
                                                      : label.top() - dial.bottom();
        EXPECT_GT(clear, 0.0) << where;
    }
}

TEST(DirectionLabels, StandBesideTheDialInBothLanguages) {
    {
        DirectionView top(false, nullptr);
        DirectionView side(true, nullptr);
        EXPECT_EQ(top.labelText(Qt::AlignLeft), QString("左"));
        expectLabelsBesideTheDial(top, "Japanese");
        expectLabelsBesideTheDial(side, "Japanese");
        EXPECT_EQ(top.size(), side.size());
    }
    const std::unique_ptr<QTranslator> english = text::installLanguage(text::Language::English);
    ASSERT_NE(english, nullptr);
    DirectionView top(false, nullptr);
    DirectionView side(true, nullptr);
    EXPECT_EQ(top.labelText(Qt::AlignLeft), QString("Left"));
    EXPECT_EQ(top.labelText(Qt::AlignRight), QString("Right"));
    expectLabelsBesideTheDial(top, "English");
    expectLabelsBesideTheDial(side, "English");
    EXPECT_EQ(top.size(), side.size());
}

TEST_F(PageTest, EveryCurveOfTheSizePageHasItsCaption) {
    choose(Page::Size);
    const QString overall = control<CurveThumbnail>("curve10")->text();
    EXPECT_EQ(overall, QString(" 全体"));
    const int height = control<CurveThumbnail>("curve10")->height();
    for (const char* name : {"curve0", "curve1", "curve2"}) {
        auto* thumbnail = control<CurveThumbnail>(name);
        EXPECT_FALSE(thumbnail->text().isEmpty()) << name;
        EXPECT_EQ(thumbnail->height(), height) << name;
    }
}

}  // namespace
}  // namespace fg
