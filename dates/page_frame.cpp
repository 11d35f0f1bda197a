#include "dates/page_frame.h"

#include "dates/page_measures.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr const char* captions[3] = {"Listing", "Chart by Size (in MB)",
                                     "Chart by Number of Files"};
constexpr int radioLeft[3] = {40, 170, 360};
constexpr int radioWidth[3] = {110, 170, 190};

} // namespace

PageFrame::PageFrame(const char* const (&radioNames)[3], const char* noteName, QWidget* page)
    : QFrame(page), m_radios{}, m_note(new QPushButton(QStringLiteral("?"), this)) {
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
    m_note->setObjectName(QString::fromLatin1(noteName));
    m_note->setToolTip(QStringLiteral("Note"));
    m_note->setGeometry(width() - 30, 3, 24, 24);
}
