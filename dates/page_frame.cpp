#include "dates/page_frame.h"

#include "dates/page_measures.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QToolButton>

namespace {

constexpr const char* captions[3] = {"Listing", "Chart by Size (in MB)",
                                     "Chart by Number of Files"};
constexpr int radioLeft[3] = {40, 170, 360};
constexpr int radioWidth[3] = {110, 170, 190};

} // namespace

QToolButton* makeNoteButton(const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("?"));
    button->setToolTip(QStringLiteral("Note"));
    return button;
}

PageFrame::PageFrame(const char* const (&radioNames)[3], const char* noteName, QWidget* page)
    : QFrame(page), m_radios{}, m_note(makeNoteButton(noteName, this)) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setGeometry(4, datePageHeight - height - 2, datePageWidth - 8, height);
    auto* group = new QButtonGroup(this);
    for (int index = 0; index < 3; ++index) {
        auto* button = new QRadioButton(QString::fromLatin1(captions[index]), this);
        button->setObjectName(QString::fromLatin1(radioNames[index]));
        button->setGeometry(radioLeft[index], 5, radioWidth[index], 20);
        group->addButton(button);
        m_radios[index] = button;
    }
    m_radios[1]->setChecked(true);
    m_note->setGeometry(width() - 30, 3, 24, 24);
}
