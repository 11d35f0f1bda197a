#include "types/select_extension_dialog.h"

#include "types/dialog_frame.h"
#include "types/type_description.h"
#include "types/type_pattern.h"
#include "ui/pick_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmSelectExtension::TfrmSelectExtension(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(new QLineEdit(this)),
      lBox(new PickList(this)), Label2(new QLabel(this)), BitBtn1(new QPushButton(this)),
      BitBtn2(new QPushButton(this)) {
    setWindowTitle("Select a file extension");

    Label1->setObjectName("Label1");
    Label1->setText("Type in a new file extension or select one or many from the list below:");
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(6);
    Edit1->setFixedWidth(Edit1->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
    Label1->setBuddy(Edit1);

    lBox->setObjectName("lBox");
    lBox->setToolTip("Double click to select, Ctrl-click to select more than one");
    lBox->setMarkStyle(PickList::MarkStyle::none);
    lBox->setMinimumSize(380, 260);

    Label2->setObjectName("Label2");
    Label2->setText("Hint: Drag mouse or use ctrl-click to select multiple file extensions.");

    BitBtn1->setObjectName("BitBtn1");
    BitBtn1->setText("OK");
    BitBtn1->setDefault(true);
    BitBtn2->setObjectName("BitBtn2");
    BitBtn2->setText("Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(lBox);
    layout->addWidget(Label2);
    layout->addLayout(buttons);
    makeFixedDialog(*this);

    connect(lBox, &PickList::entryClicked, this, [this](int index) { lBoxClick(index); });
    connect(lBox, &PickList::itemDoubleClicked, this, [this] { lBoxDblClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> TfrmSelectExtension::selectedLines() const {
    std::vector<std::string> lines;
    for (const int row : lBox->selectedRows())
        lines.push_back(toBytes(lBox->itemText(row)));
    return lines;
}

void TfrmSelectExtension::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        FormShow();
        centreOnScreen(*this);
    }
}

void TfrmSelectExtension::FormShow() {
    cbWildCard = listRegisteredExtensions();
    for (const std::string& pattern : cbWildCard) {
        lBox->addItem(
            toText(pattern + '\t' + typeDescription(std::string_view(pattern).substr(1))));
    }
    if (!cbWildCard.empty())
        Edit1->setText(toText(cbWildCard.front()));
    Edit1->setFocus();
    Edit1->selectAll();
}

void TfrmSelectExtension::lBoxClick(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < cbWildCard.size())
        Edit1->setText(toText(cbWildCard[static_cast<std::size_t>(index)]));
}

void TfrmSelectExtension::lBoxDblClick() {
    if (takeChoice())
        accept();
}

void TfrmSelectExtension::BitBtn1Click() {
    (void)takeChoice();
    accept();
}

bool TfrmSelectExtension::takeChoice() {
    if (lBox->selectedRows().size() > 1) {
        m_multiple = true;
        return false;
    }
    m_multiple = false;
    m_pattern.clear();
    m_description.clear();
    const std::optional<std::string> pattern = normaliseTypedPattern(toBytes(Edit1->text()));
    if (!pattern)
        return false;
    m_pattern = *pattern;
    m_description = typeDescription(patternExtension(m_pattern));
    return true;
}
