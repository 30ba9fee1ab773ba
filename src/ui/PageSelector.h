#pragma once
// The column of nine vertical tabs beside the parameter pages. Choosing a
// tab makes its page current and asks for that page; choosing the current
// tab again asks for it again (the page is rebuilt from the node).

#include <QAbstractButton>
#include <QWidget>
#include <array>

namespace fg {

enum class Page { Source, Spawn, Kill, Shape, Image, Color, Move, Rotate, Size };
inline constexpr int kPageCount = 9;

class PageTab : public QAbstractButton {
    Q_OBJECT

public:
    static constexpr int kWidth = 24;
    static constexpr int kHeight = 68;

    PageTab(Page page, QWidget* parent);
    Page page() const { return m_page; }
    bool isCurrent() const { return m_current; }
    void setCurrent(bool current);
    QSize sizeHint() const override { return {kWidth, kHeight}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Page m_page;
    bool m_current = false;
};

class PageSelector : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = PageTab::kWidth;
    static constexpr int kHeight = 630;

    explicit PageSelector(QWidget* parent = nullptr);

    Page currentPage() const { return m_current; }
    PageTab* tab(Page page) const { return m_tabs[static_cast<std::size_t>(page)]; }

public slots:
    // Makes `page` current and asks for it.
    void choose(Page page);
    // Asks for the current page again (after undo and redo).
    void reload();

signals:
    void pageChosen(Page page);

private:
    std::array<PageTab*, kPageCount> m_tabs{};
    Page m_current = Page::Spawn;  // the page shown at start-up
};

// The tab's caption ("発生源" … "サイズ"), translated.
QString pageCaption(Page page);

}  // namespace fg
