// With English chosen, every window, dialog, page and message box a user can
// reach shows no Japanese text, except the user's own data (node and
// material names, the language menu's "日本語").

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>
#include <QTranslator>
#include <algorithm>

#include "UiTestSupport.h"
#include "app/ProgramSettings.h"
#include "app/UpdateCheck.h"
#include "persistence/Ini.h"
#include "persistence/RecentFiles.h"
#include "model/NodeFields.h"
#include "text/Language.h"
#include "ui/HistoryWindow.h"
#include "ui/HoverHelp.h"
#include "ui/LanguageMenu.h"
#include "ui/NodePanel.h"
#include "ui/PanelButtons.h"
#include "ui/TabPanel.h"
#include "ui/ToolbarStrip.h"
#include "ui/PageSelector.h"
#include "ui/UpdateDialog.h"
#include "ui/VersionBox.h"
#include "ui/dialogs/CameraDialog.h"
#include "ui/dialogs/ExportDialog.h"
#include "ui/dialogs/ViewListWindow.h"
#include "ui/pages/CurveWindow.h"
#include "ui/pages/PageHost.h"

namespace fg {
namespace {

bool isJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF)     // punctuation, kana
           || (u >= 0x3400 && u <= 0x9FFF)  // kanji
           || (u >= 0xFF00 && u <= 0xFFEF);  // full-width and half-width forms
}

bool hasJapanese(const QString& text) { return std::any_of(text.begin(), text.end(), isJapanese); }

// Every text of `root` and its children a user can see or hover; "where"
// names the place for the failure message.
class TextSweep {
public:
    void addWidget(QWidget* root, const QString& where) {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            const QString at = where + QStringLiteral(" / ") + QString::fromLatin1(w->metaObject()->className()) +
                               QStringLiteral(" ") + w->objectName();
            if (w->isWindow()) add(w->windowTitle(), at + QStringLiteral(" title"));
            add(w->toolTip(), at + QStringLiteral(" tooltip"));
            add(w->statusTip(), at + QStringLiteral(" status tip"));
            add(HoverHelp::helpText(w), at + QStringLiteral(" help text"));
            if (auto* label = qobject_cast<QLabel*>(w)) add(label->text(), at);
            if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text(), at);
            if (auto* group = qobject_cast<QGroupBox*>(w)) add(group->title(), at);
            if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) add(spin->specialValueText(), at);
            if (auto* spin = qobject_cast<QSpinBox*>(w)) add(spin->suffix() + spin->prefix(), at);
            if (auto* combo = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i), at + QStringLiteral(" item"));
            }
            if (auto* menu = qobject_cast<QMenu*>(w)) add(menu->title(), at);
            for (QAction* action : w->actions()) addAction(action, at);
        }
        ++m_places;
    }
    void addAction(QAction* action, const QString& where) {
        if (action->objectName() == QStringLiteral("languageJapanese")) return;  // 日本語, named in its own language
        add(action->text(), where + QStringLiteral(" action"));
        add(action->statusTip(), where + QStringLiteral(" action status tip"));
        add(action->toolTip(), where + QStringLiteral(" action tooltip"));
        if (QMenu* sub = action->menu()) {
            add(sub->title(), where + QStringLiteral(" submenu"));
            for (QAction* inner : sub->actions()) addAction(inner, where + QStringLiteral(" > ") + sub->title());
        }
    }
    void add(const QString& text, const QString& where) {
        ++m_texts;
        if (hasJapanese(text)) m_japanese.append(where + QStringLiteral(": \"") + text + QStringLiteral("\""));
    }
    const QStringList& japanese() const { return m_japanese; }
    int places() const { return m_places; }
    int texts() const { return m_texts; }

private:
    QStringList m_japanese;
    int m_places = 0;
    int m_texts = 0;
};

class EnglishWindowTest : public test::WindowTest {
protected:
    void SetUp() override {
        english = text::installLanguage(text::Language::English);
        ASSERT_NE(english, nullptr);
        test::WindowTest::SetUp();
        // Node names are the user's data, shown as they are; the Undo command
        // quotes them, so the start node gets a name without Japanese.
        editor->changeDocument(DocumentPart::Tree, [](EditorState& g) { g.pSelNode()->setName("Node 1"); });
        addLanguageMenu(*window, home.file("data.prm"), text::Language::English);
        window->show();
    }
    void TearDown() override {
        test::WindowTest::TearDown();
        english.reset();
    }
    // Opens a modal dialog with `open` and sweeps it before closing it.
    void sweepModal(const QString& where, const std::function<void()>& open) {
        bool seen = false;
        test::answerNextModal([&](QWidget* modal) {
            seen = true;
            sweep.addWidget(modal, where);
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            else modal->close();
        });
        open();
        EXPECT_TRUE(seen) << where.toStdString();
        test::cancelModalAnswers();
    }
    void setShape(std::int32_t type) {
        editor->editInt(*findNodeField("m_shape.type"), type);
    }

    std::unique_ptr<QTranslator> english;
    TextSweep sweep;
};

TEST_F(EnglishWindowTest, NoJapaneseInAnyWindowPageOrDialog) {
    // The main window with its menus, toolbar and panels, on every page, and
    // the size page of every shape that has its own.
    for (int i = 0; i < kPageCount; ++i) {
        window->pageHost()->showPage(static_cast<Page>(i));
        sweep.addWidget(window.get(), QStringLiteral("page %1").arg(i));
    }
    for (const std::int32_t shape : {3, 4}) {
        setShape(shape);
        window->pageHost()->showPage(Page::Size);
        sweep.addWidget(window.get(), QStringLiteral("size page of shape %1").arg(shape));
    }
    setShape(0);
    for (QAction* action : window->menuBar()->actions()) sweep.addAction(action, QStringLiteral("menu bar"));

    // The windows beside the main window.
    window->pageHost()->openCurve(0);
    ASSERT_NE(window->pageHost()->curveWindow(), nullptr);
    sweep.addWidget(window->pageHost()->curveWindow(), QStringLiteral("curve window"));
    window->showHistoryList();
    ASSERT_NE(window->historyWindow(), nullptr);
    sweep.addWidget(window->historyWindow(), QStringLiteral("history list"));
    window->action(Command::ViewList)->trigger();
    ASSERT_NE(window->viewListWindow(), nullptr);
    sweep.addWidget(window->viewListWindow(), QStringLiteral("view list"));

    // The dialogs of the menus.
    sweepModal(QStringLiteral("project settings"), [&] { window->action(Command::ProjectSettings)->trigger(); });
    window->action(Command::CameraSettings)->trigger();
    const QList<CameraDialog*> cameras = window->findChildren<CameraDialog*>();
    ASSERT_FALSE(cameras.isEmpty());
    sweep.addWidget(cameras.front(), QStringLiteral("camera settings"));
    sweepModal(QStringLiteral("background colour"), [&] { window->action(Command::BackgroundColor)->trigger(); });
    sweepModal(QStringLiteral("version"), [&] { window->action(Command::Version)->trigger(); });
    {
        ExportDialog dialog(*editor, window.get());
        sweep.addWidget(&dialog, QStringLiteral("export"));
    }
    {
        UpdateDialog dialog(app::updateTexts::versionLine("1.0.0", "1.1.0"), window.get());
        sweep.addWidget(&dialog, QStringLiteral("update"));
    }

    // Questions and refusals in message boxes.
    editor->setModified(true);
    sweepModal(QStringLiteral("save changes"), [&] { window->action(Command::New)->trigger(); });
    editor->setModified(false);
    editor->document().setRecentFiles(
        RecentFiles::load(IniDocument::parse("[RECENT]\nlist0=" + home.file("gone.nbx") + "\n")));
    sweepModal(QStringLiteral("missing recent file"), [&] { editor->document().openRecent(0); });
    sweepModal(QStringLiteral("tree refusal"), [&] {
        // One level deeper each time, until the depth limit refuses.
        for (int depth = 0; depth < 10; ++depth) {
            if (editor->addChild().outcome == TreeEditResult::Outcome::Refused) break;
        }
    });

    EXPECT_GT(sweep.places(), 20);
    EXPECT_GT(sweep.texts(), 500);
    EXPECT_TRUE(sweep.japanese().isEmpty()) << sweep.japanese().join(QLatin1Char('\n')).toStdString();
}

TEST_F(EnglishWindowTest, TheSweepFindsJapaneseWhereItIsLeft) {
    // Without the English texts the same sweep of the main window fails:
    // the test can see what it looks for.
    english.reset();
    auto japaneseWindow = std::make_unique<MainWindow>(*editor, PanelColours{});
    TextSweep japanese;
    japanese.addWidget(japaneseWindow.get(), QStringLiteral("main window"));
    for (QAction* action : japaneseWindow->menuBar()->actions()) japanese.addAction(action, QStringLiteral("menu"));
    EXPECT_FALSE(japanese.japanese().isEmpty());
}

TEST_F(EnglishWindowTest, ButtonTipsAreEnglishWithoutMnemonics) {
    EXPECT_EQ(window->toolbar()->button(Command::Save)->toolTip(), QStringLiteral("Save (Ctrl+S)"));
    EXPECT_EQ(window->nodePanel()->button(3)->toolTip(),
              QStringLiteral("Delete the node. (%1)").arg(QKeySequence(Qt::Key_Delete).toString(QKeySequence::NativeText)));
    window->tabPanel()->selector()->choose(Page::Size);
    const auto* width = window->findChild<QAbstractButton*>(QStringLiteral("curve0"));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->toolTip(), QStringLiteral("Size (Width)"));
}

TEST_F(EnglishWindowTest, TheLanguageMenuStoresTheChoiceForTheNextStart) {
    QMenu* language = window->menu(MenuId::View)->findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(language, nullptr);
    EXPECT_EQ(language->title(), QStringLiteral("Language"));
    QAction* japanese = language->findChild<QAction*>(QStringLiteral("languageJapanese"));
    QAction* englishItem = language->findChild<QAction*>(QStringLiteral("languageEnglish"));
    ASSERT_NE(japanese, nullptr);
    ASSERT_NE(englishItem, nullptr);
    EXPECT_EQ(japanese->text(), QStringLiteral("日本語"));
    EXPECT_TRUE(englishItem->isChecked());
    QString told;
    test::answerNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        told = box->text();
        box->accept();
    });
    japanese->trigger();
    EXPECT_EQ(told, QStringLiteral("Fulgrane3D uses the chosen language from its next start."));
    EXPECT_TRUE(japanese->isChecked());
    EXPECT_EQ(app::loadProgramSettings(home.file("data.prm")).language, text::Language::Japanese);
}

}  // namespace
}  // namespace fg
