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

ExtensionPicker::ExtensionPicker(QWidget* parent)
    : QDialog(parent), m_prompt(new QLabel(this)), m_patternEdit(new QLineEdit(this)),
      m_extensionList(new PickList(this)), m_hint(new QLabel(this)),
      m_okButton(new QPushButton(this)), m_cancelButton(new QPushButton(this)) {
    setWindowTitle("Select a file extension");

    m_prompt->setObjectName("Label1");
    m_prompt->setText("Type in a new file extension or select one or many from the list below:");
    m_patternEdit->setObjectName("Edit1");
    m_patternEdit->setMaxLength(6);
    m_patternEdit->setFixedWidth(
        m_patternEdit->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")));
    m_prompt->setBuddy(m_patternEdit);

    m_extensionList->setObjectName("lBox");
    m_extensionList->setToolTip("Double click to select, Ctrl-click to select more than one");
    m_extensionList->setMarkStyle(PickList::MarkStyle::none);
    m_extensionList->setMinimumSize(380, 260);

    m_hint->setObjectName("Label2");
    m_hint->setText("Hint: Drag mouse or use ctrl-click to select multiple file extensions.");

    m_okButton->setObjectName("BitBtn1");
    m_okButton->setText("OK");
    m_okButton->setDefault(true);
    m_cancelButton->setObjectName("BitBtn2");
    m_cancelButton->setText("Cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_patternEdit);
    layout->addWidget(m_extensionList);
    layout->addWidget(m_hint);
    layout->addLayout(buttons);
    makeFixedDialog(*this);

    connect(m_extensionList, &PickList::entryClicked, this, &ExtensionPicker::onExtensionClicked);
    connect(m_extensionList, &PickList::itemDoubleClicked, this,
            &ExtensionPicker::onExtensionDoubleClicked);
    connect(m_okButton, &QPushButton::clicked, this, &ExtensionPicker::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> ExtensionPicker::selectedLines() const {
    std::vector<std::string> lines;
    for (const int row : m_extensionList->selectedRows())
        lines.push_back(toBytes(m_extensionList->itemText(row)));
    return lines;
}

void ExtensionPicker::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        fillList();
        centreOnScreen(*this);
    }
}

void ExtensionPicker::fillList() {
    m_patterns = listRegisteredExtensions();
    for (const std::string& pattern : m_patterns) {
        m_extensionList->addItem(
            toText(pattern + '\t' + typeDescription(std::string_view(pattern).substr(1))));
    }
    if (!m_patterns.empty())
        m_patternEdit->setText(toText(m_patterns.front()));
    m_patternEdit->setFocus();
    m_patternEdit->selectAll();
}

void ExtensionPicker::onExtensionClicked(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < m_patterns.size())
        m_patternEdit->setText(toText(m_patterns[static_cast<std::size_t>(index)]));
}

void ExtensionPicker::onExtensionDoubleClicked() {
    if (takeChoice())
        accept();
}

void ExtensionPicker::onOkClicked() {
    (void)takeChoice();
    accept();
}

bool ExtensionPicker::takeChoice() {
    if (m_extensionList->selectedRows().size() > 1) {
        m_multiple = true;
        return false;
    }
    m_multiple = false;
    m_pattern.clear();
    m_description.clear();
    const std::optional<std::string> pattern =
        normaliseTypedPattern(toBytes(m_patternEdit->text()));
    if (!pattern)
        return false;
    m_pattern = *pattern;
    m_description = typeDescription(patternExtension(m_pattern));
    return true;
}
