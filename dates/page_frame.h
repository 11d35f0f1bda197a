#pragma once
// The strip along the bottom of the Access, Created, Modified and Combined pages: a frame with
// the three view buttons and, at its right, the small note button.

#include <QFrame>

class QToolButton;
class QRadioButton;

// The small "?" button that shows a page's note.
[[nodiscard]] QToolButton* makeNoteButton(const char* name, QWidget* parent);

class PageFrame final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PageFrame)

public:
    // Names are the object names of the three radio buttons and of the note button.
    PageFrame(const char* const (&radioNames)[3], const char* noteName, QWidget* page);

    QRadioButton* radio(int index) const { return m_radios[index]; }
    QToolButton* noteButton() const { return m_note; }

    static constexpr int height = 30;

private:
    QRadioButton* m_radios[3];
    QToolButton* m_note;
};
