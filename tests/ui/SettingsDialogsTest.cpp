// The settings dialogs on real widgets: project settings with the export
// range they reset, the background colour, the camera dialogs, the view
// list and the version box; each change shows in the window title.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPointer>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSpinBox>

#include "UiTestSupport.h"
#include "app/ChangeSpies.h"
#include "ui/VersionBox.h"
#include "ui/dialogs/CameraDialog.h"
#include "ui/dialogs/ProjectSettingsDialog.h"
#include "ui/dialogs/ViewListWindow.h"

namespace fg {
namespace {

using test::WindowTest;

const QString kModifiedTitle = QStringLiteral("無題.nbx* - Fulgrane3D");

// Selects everything in `box` and types `text`, as a user retypes a number.
void retype(QSpinBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

QAbstractButton* button(QWidget* dialog, const char* name) {
    return dialog->findChild<QAbstractButton*>(QString::fromLatin1(name));
}

class ProjectSettingsTest : public WindowTest {
protected:
    // Opens the dialog through its command; `fill` answers it.
    void runDialog(const std::function<void(ProjectSettingsDialog*)>& fill) {
        test::answerNextModal([fill](QWidget* modal) {
            auto* dialog = qobject_cast<ProjectSettingsDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            fill(dialog);
        });
        window->action(Command::ProjectSettings)->trigger();
    }
    std::vector<int> exportRange() const {
        const WriteSettings& write = editor->state().write;
        return {write.start, write.end, write.width};
    }
};

TEST_F(ProjectSettingsTest, OkResetsTheExportRangeWithSquareRootFramesPerRow) {
    editor->changeDocument({}, [](EditorState& g) {
        g.write.start = 5;
        g.write.end = 7;
    });
    for (const auto& [typed, perRow] : std::vector<std::pair<QString, int>>{{"100", 10}, {"99", 9}, {"1", 1}}) {
        runDialog([typed = typed](ProjectSettingsDialog* dialog) {
            retype(dialog->frameBox(), typed);
            button(dialog, "ok")->click();
        });
        const int frames = typed.toInt();
        EXPECT_EQ(editor->state().project.frame, frames);
        EXPECT_EQ(exportRange(), (std::vector<int>{1, frames, perRow})) << typed.toStdString();
    }
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);
}

TEST_F(ProjectSettingsTest, TypedValuesOutsideTheRangesAreClampedAndEnterIsOk) {
    runDialog([](ProjectSettingsDialog* dialog) {
        EXPECT_EQ(dialog->fpsBox()->minimum(), 1);
        EXPECT_EQ(dialog->fpsBox()->maximum(), 120);
        EXPECT_EQ(dialog->frameBox()->maximum(), 9999);
        EXPECT_EQ(dialog->widthBox()->maximum(), 2048);
        retype(dialog->fpsBox(), "0");
        retype(dialog->widthBox(), "0");
        retype(dialog->heightBox(), "99999");  // the fifth digit cannot be typed
        dialog->sortBox()->setChecked(true);
        QTest::keyClick(dialog->heightBox(), Qt::Key_Return);
    });
    const ProjectSettings& project = editor->state().project;
    EXPECT_EQ(project.fps, 1);
    EXPECT_EQ(project.width, 1);
    EXPECT_EQ(project.height, 999);  // "9999" is above 2048: the last 9 is refused
    EXPECT_EQ(project.sort, 1);
    EXPECT_EQ(project.frame, 60);
}

TEST_F(ProjectSettingsTest, EscapeCancelsAndChangesNothing) {
    editor->changeDocument({}, [](EditorState& g) { g.write.start = 5; });
    runDialog([](ProjectSettingsDialog* dialog) {
        retype(dialog->frameBox(), "30");
        dialog->reverseBox()->setChecked(true);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(editor->state().project.frame, 60);
    EXPECT_EQ(editor->state().project.reverse, 0);
    EXPECT_EQ(editor->state().write.start, 5);
    EXPECT_FALSE(editor->isModified());
}

TEST_F(ProjectSettingsTest, TabGoesFromTopToBottom) {
    ProjectSettingsDialog dialog(*editor, window.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.frameBox()->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"fps", "width", "height", "sort", "reverse", "ok", "cancel"}));
}

TEST_F(WindowTest, BackgroundColourStartsFromTheProjectAndKeepsTheChoice) {
    editor->changeDocument({}, [](EditorState& g) { g.project.backColor = Vec3f{10.7f, 20.2f, 255.0f}; });
    QColor shown;
    test::answerNextModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = dialog->currentColor();
        dialog->setCurrentColor(QColor(1, 2, 3));
        dialog->accept();
    });
    window->action(Command::BackgroundColor)->trigger();
    EXPECT_EQ(shown, QColor(10, 20, 255));
    EXPECT_EQ(editor->state().project.backColor, (Vec3f{1.0f, 2.0f, 3.0f}));
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);

    // Cancel keeps the colour.
    test::answerNextModal([](QWidget* modal) {
        static_cast<QColorDialog*>(modal)->setCurrentColor(QColor(9, 9, 9));
        static_cast<QDialog*>(modal)->reject();
    });
    window->action(Command::BackgroundColor)->trigger();
    EXPECT_EQ(editor->state().project.backColor, (Vec3f{1.0f, 2.0f, 3.0f}));
}

TEST_F(WindowTest, TheCameraDialogShowsTenthsAndStepsByATenth) {
    editor->changeDocument({}, [](EditorState& g) { g.camera.eye = Vec3f{12.34f, 5.0f, -0.7f}; });
    window->action(Command::CameraSettings)->trigger();
    const QList<CameraDialog*> dialogs = window->findChildren<CameraDialog*>();
    ASSERT_EQ(dialogs.size(), 1);
    CameraDialog* dialog = dialogs.front();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->coordinateBox(0)->text(), QStringLiteral("123"));
    EXPECT_EQ(dialog->coordinateBox(2)->text(), QStringLiteral("-7"));
    EXPECT_EQ(dialog->coordinateBox(0)->minimum(), -999);
    EXPECT_EQ(dialog->coordinateBox(0)->maximum(), 999);
    EXPECT_FALSE(editor->isModified());

    test::PartSpy placed(*editor, DocumentPart::Camera);
    dialog->coordinateBox(0)->stepUp();
    EXPECT_EQ(editor->state().camera.eye, (Vec3f{12.4f, 5.0f, -0.7f}));
    EXPECT_EQ(placed.count(), 1);
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);

    // Each keystroke reaches the camera.
    retype(dialog->coordinateBox(4), "-25");
    EXPECT_EQ(editor->state().camera.target, (Vec3f{0.0f, -2.5f, 0.0f}));
    EXPECT_EQ(placed.count(), 3);  // the step, "-2" and "-25": "-" alone is no number yet

    // The camera placed elsewhere (the view list, the mouse): the numbers follow.
    editor->viewSettings().setCameraPlacement(Vec3f{1.0f, 2.0f, 3.0f}, Vec3f{});
    EXPECT_EQ(dialog->coordinateBox(0)->value(), 10);
    EXPECT_EQ(dialog->coordinateBox(2)->value(), 30);

    // Enter is OK, which closes the dialog.
    QPointer<CameraDialog> closing = dialog;
    QTest::keyClick(closing->coordinateBox(1), Qt::Key_Return);
    QTRY_VERIFY(closing.isNull());
    EXPECT_EQ(window->cameraDialog(), nullptr);
}

// The camera settings and the view list are one window each: their command
// (menu, Ctrl+C / Ctrl+V, toolbar) brings the open one to the front.
TEST_F(WindowTest, TheCameraDialogAndTheViewListOpenOnceAndComeForward) {
    showActive();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    CameraDialog* camera = window->cameraDialog();
    ASSERT_NE(camera, nullptr);
    QTRY_VERIFY(camera->isActiveWindow());
    const QPoint where = camera->pos();
    // Another window in front of it, then the shortcut again.
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(window->findChildren<CameraDialog*>().size(), 1);
    EXPECT_EQ(window->cameraDialog(), camera);
    QTRY_VERIFY(camera->isActiveWindow());
    EXPECT_EQ(camera->pos(), where);

    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    ViewListWindow* list = window->viewListWindow();
    ASSERT_NE(list, nullptr);
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->findChildren<ViewListWindow*>().size(), 1);
    QTRY_VERIFY(list->isActiveWindow());

    // Closed, the next use opens a new one.
    camera->close();
    QTRY_VERIFY(window->cameraDialog() == nullptr);
    window->action(Command::CameraSettings)->trigger();
    EXPECT_NE(window->cameraDialog(), nullptr);
    EXPECT_EQ(window->findChildren<CameraDialog*>().size(), 1);
}

class ViewListTest : public WindowTest {
protected:
    ViewListRows* openList() {
        window->action(Command::ViewList)->trigger();
        ViewListWindow* list = window->viewListWindow();
        if (list == nullptr) return nullptr;
        list->resize(300, 300);
        return list->rows();
    }
    QStringList titles() const {
        QStringList result;
        for (const ViewEntry& view : editor->state().viewList) result << QString::fromStdString(view.title);
        return result;
    }
};

TEST_F(ViewListTest, AddTwiceAddsTwoViewsBeforeOneAddRow) {
    ViewListRows* rows = openList();
    ASSERT_NE(rows, nullptr);
    editor->changeDocument({}, [](EditorState& g) {
        g.camera = CameraPlacement{{1.25f, 0.0f, -8.0f}, {0.0f, 0.5f, 0.0f}};
    });
    QTest::mouseClick(rows, Qt::LeftButton, {}, rows->rowRect(3).center());
    QTest::mouseClick(rows, Qt::LeftButton, {}, rows->rowRect(4).center());
    EXPECT_EQ(titles(), (QStringList{"正面", "斜め上", "斜め左上", "(12,0,-80)－(0,5,0)", "(12,0,-80)－(0,5,0)",
                                     "＜追加＞"}));
    EXPECT_EQ(editor->state().viewList[3].angle, 60.0f);
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);
}

TEST_F(ViewListTest, TheCrossOfTheOnlyViewLeavesTheAddRow) {
    editor->changeDocument({}, [](EditorState& g) {
        g.viewList = {ViewEntry{{0.0f, 0.0f, -10.0f}, {}, 60.0f, "正面"}, viewListPlaceholder()};
    });
    ViewListRows* rows = openList();
    ASSERT_NE(rows, nullptr);
    QTest::mouseClick(rows, Qt::LeftButton, {}, rows->deleteRect(0).center());
    EXPECT_EQ(titles(), (QStringList{"＜追加＞"}));
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);
}

TEST_F(ViewListTest, AClickAnywhereOnARowMovesTheCameraThere) {
    ViewListRows* rows = openList();
    ASSERT_NE(rows, nullptr);
    test::PartSpy placed(*editor, DocumentPart::Camera);
    // The top edge of the second row is the second row.
    QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(10, rows->rowRect(1).top() + 1));
    EXPECT_EQ(editor->state().camera.eye, (Vec3f{0.0f, 3.0f, -8.0f}));
    EXPECT_EQ(editor->state().camera.target, (Vec3f{0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(placed.count(), 1);
    EXPECT_EQ(titles().size(), 4);
    EXPECT_EQ(window->windowTitle(), kModifiedTitle);
}

// The open list follows a project opened in place: its views, not the
// ones the list showed before.
TEST_F(ViewListTest, AProjectOpenedInPlaceBringsItsViewsToTheOpenList) {
    ViewListRows* rows = openList();
    ASSERT_NE(rows, nullptr);
    window->viewListWindow()->resize(240, 200);
    auto* scroll = window->viewListWindow()->findChild<QScrollBar*>();
    ASSERT_NE(scroll, nullptr);
    ASSERT_TRUE(editor->document().saveTo(home.file("four.nbx")));  // three views and the add row
    for (int i = 0; i < 10; ++i) editor->viewSettings().addView();
    ASSERT_EQ(scroll->maximum(), 14 * ViewListRows::kRowPitch - rows->height());
    ASSERT_TRUE(editor->document().openInPlace(home.file("four.nbx")));
    EXPECT_EQ(titles().size(), 4);
    EXPECT_EQ(scroll->maximum(), 0);
}

TEST_F(ViewListTest, AtMostOneWindowThatScrollsToNewViews) {
    ViewListRows* rows = openList();
    ASSERT_NE(rows, nullptr);
    openList();
    EXPECT_EQ(window->findChildren<ViewListWindow*>().size(), 1);
    auto* scroll = window->viewListWindow()->findChild<QScrollBar*>();
    ASSERT_NE(scroll, nullptr);
    window->viewListWindow()->resize(240, 200);
    for (int i = 0; i < 10; ++i) {
        const int addRow = static_cast<int>(editor->state().viewList.size()) - 1;
        QTest::mouseClick(rows, Qt::LeftButton, {}, rows->rowRect(addRow).center());
    }
    EXPECT_EQ(editor->state().viewList.size(), 14u);
    EXPECT_EQ(scroll->maximum(), 14 * ViewListRows::kRowPitch - rows->height());
    EXPECT_EQ(scroll->value(), scroll->maximum());
    EXPECT_EQ(rows->rowAt(rows->height() - 10), 13);

    window->viewListWindow()->close();
    QTRY_VERIFY(window->viewListWindow() == nullptr);
    EXPECT_NE(openList(), nullptr);
}

TEST_F(WindowTest, VersionBoxShowsTheTitlePictureAndTheVersion) {
    window->setVersionText(QStringLiteral("1.2.3"));
    QString title;
    QString version;
    QImage picture;
    test::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<VersionBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        version = box->versionText();
        picture = box->findChild<TitlePicture*>()->grab().toImage();
        QTest::keyClick(box, Qt::Key_Return);
    });
    window->action(Command::Version)->trigger();
    EXPECT_EQ(title, QStringLiteral("Fulgrane3D バージョン情報"));
    EXPECT_EQ(version, QStringLiteral("Fulgrane3D 1.2.3"));
    ASSERT_EQ(picture.size() / picture.devicePixelRatio(), QSize(640, 160));
    // Drawn, not blank: the corner is the night sky, the glow is bright.
    const QColor corner = picture.pixelColor(2, 2);
    EXPECT_LT(corner.red(), 40);
    EXPECT_GT(picture.pixelColor(static_cast<int>(520 * picture.devicePixelRatio()),
                                 static_cast<int>(150 * picture.devicePixelRatio()))
                  .red(),
              200);
}

}  // namespace
}  // namespace fg
