#pragma once
// Remembers where the user leaves the dialogs and tool windows of one main
// window (those rememberedWindows() names) and opens them there again. A
// place no screen shows any more is not used; the history list, the first
// time, opens beside the main window.

#include <QEvent>
#include <QObject>
#include <QPointer>

#include "app/WindowPlacement.h"

class QWidget;

namespace fg {

class PlaceKeeper : public QObject {
    Q_OBJECT

public:
    // Watches the windows whose parent is `main` (or inside it).
    explicit PlaceKeeper(QWidget* main);
    ~PlaceKeeper() override;

    void setPlaces(app::WindowPlaces places) { m_places = std::move(places); }
    // What the windows were last left at (and what was given and not used).
    const app::WindowPlaces& places() const { return m_places; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const app::RememberedWindow* rememberedAs(const QWidget* window) const;
    void place(QWidget* window, const app::RememberedWindow& remembered);
    void record(const QWidget* window, const app::RememberedWindow& remembered, QEvent::Type type);

    QPointer<QWidget> m_main;
    app::WindowPlaces m_places;
};

}  // namespace fg
