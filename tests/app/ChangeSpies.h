#pragma once
// Spies on the editor's one change notification, by part.

#include <QSignalSpy>

#include "app/Editor.h"

namespace fg::test {

// Counts the editor's documentChanged notifications that carry `part`.
class PartSpy {
public:
    PartSpy(Editor& editor, DocumentPart part) : m_spy(&editor, &Editor::documentChanged), m_part(part) {}
    int count() const {
        int carrying = 0;
        for (const QList<QVariant>& arguments : m_spy) {
            if (arguments.at(0).value<DocumentChanges>() & m_part) ++carrying;
        }
        return carrying;
    }

private:
    QSignalSpy m_spy;
    DocumentPart m_part;
};

// Every part announced since the spy was made, together.
class ChangeSpy {
public:
    explicit ChangeSpy(Editor& editor) : m_spy(&editor, &Editor::documentChanged) {}
    DocumentChanges parts() const {
        DocumentChanges all;
        for (const QList<QVariant>& arguments : m_spy) all |= arguments.at(0).value<DocumentChanges>();
        return all;
    }
    int notifications() const { return static_cast<int>(m_spy.count()); }

private:
    QSignalSpy m_spy;
};

}  // namespace fg::test
