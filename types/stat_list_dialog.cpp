#include "types/stat_list_dialog.h"

#include "platform/message_hook.h"
#include "types/byte_entries.h"
#include "types/dialog_frame.h"
#include "types/select_extension_dialog.h"
#include "types/type_list_store.h"
#include "types/type_pattern.h"
#include "ui/effect_label.h"
#include "ui/pick_list.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace {
bool confirmed(const std::string& question) {
    return platform::showMessageBox(platform::MessageKind::Confirmation, "Confirm", question) ==
           platform::MessageResult::Yes;
}

} // namespace

TypeListEditor::TypeListEditor(std::string section, QWidget* parent)
    : QDialog(parent), m_heading(new EffectLabel(QStringLiteral("File Types"), this)),
      m_counter(new EffectLabel(QString(), this)), m_typeList(new PickList(this)),
      m_addButton(new QPushButton(this)), m_deleteButton(new QPushButton(this)),
      m_clearButton(new QPushButton(this)), m_closeButton(new QPushButton(this)),
      m_hint(new QLabel(this)), m_section(std::move(section)) {
    setWindowTitle("File types");

    m_heading->setObjectName("Label1");
    makeHeading(*m_heading);
    m_counter->setObjectName("lblCount");
    makeHeading(*m_counter);
    m_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_counter->setMinimumWidth(160);

    m_typeList->setObjectName("PickList1");
    m_typeList->setToolTip("List of temporary file extensions and types");
    m_typeList->setMarkStyle(PickList::MarkStyle::none);
    m_typeList->setSorted(true);
    m_typeList->setTabStop(16);
    m_typeList->setMinimumSize(320, 240);

    const std::pair<QPushButton*, std::array<const char*, 3>> buttons[] = {
        {m_addButton, {"btAdd", "&Add", "Add a file extension to this list"}},
        {m_deleteButton, {"btDelete", "&Delete", "Delete a file extension"}},
        {m_clearButton, {"btClear", "&Clear all", "Clear all extensions"}},
        {m_closeButton, {"btClose", "Close", "Close window"}},
    };
    auto* buttonColumn = new QVBoxLayout;
    for (const auto& [button, texts] : buttons) {
        button->setObjectName(texts[0]);
        button->setText(texts[1]);
        button->setToolTip(texts[2]);
        button->setAutoDefault(false);
        buttonColumn->addWidget(button);
    }
    buttonColumn->addStretch();

    m_hint->setObjectName("Label2");
    m_hint->setText("Hint: Drag mouse or use ctrl-click to select multiple file types.");

    auto* headings = new QHBoxLayout;
    headings->addWidget(m_heading);
    headings->addStretch();
    headings->addWidget(m_counter);
    auto* layout = new QGridLayout(this);
    layout->addLayout(headings, 0, 0);
    layout->addWidget(m_typeList, 1, 0);
    layout->addLayout(buttonColumn, 1, 1);
    layout->addWidget(m_hint, 2, 0, 1, 2);
    makeFixedDialog(*this);

    connect(m_addButton, &QPushButton::clicked, this, &TypeListEditor::onAddClicked);
    connect(m_deleteButton, &QPushButton::clicked, this, &TypeListEditor::onDeleteClicked);
    connect(m_clearButton, &QPushButton::clicked, this, &TypeListEditor::onClearClicked);
    connect(m_closeButton, &QPushButton::clicked, this, &TypeListEditor::onCloseClicked);
}

std::vector<std::string> TypeListEditor::entries() const {
    return byteEntries(*m_typeList);
}

void TypeListEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        loadList();
        centreOnScreen(*this);
    }
}

void TypeListEditor::keyPressEvent(QKeyEvent* event) {
    // Esc is "Close" here: it stores the list, unlike the title bar's close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_closeButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TypeListEditor::loadList() {
    std::vector<std::string> lines;
    ReadStatFilesFromDisk(lines, m_section);
    for (const std::string& line : lines)
        addByteEntry(*m_typeList, line);
    setCounter();
}

void TypeListEditor::onAddClicked() {
    ExtensionPicker picker(this);
    if (picker.exec() == QDialog::Accepted) {
        std::vector<std::string> lines = entries();
        if (!picker.multiple()) {
            if (!picker.pattern().empty() && picker.pattern() != "*.*")
                addEntry(lines, picker.pattern() + '\t' + picker.description());
        } else {
            for (const std::string& line : picker.selectedLines())
                addEntry(lines, line);
        }
    }
    setCounter();
}

void TypeListEditor::onDeleteClicked() {
    const std::vector<int> selected = m_typeList->selectedRows();
    if (selected.size() > 1 &&
        !confirmed("Really delete " + std::to_string(selected.size()) + " extensions?"))
        return;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        m_typeList->removeItemAt(*row);
    setCounter();
}

void TypeListEditor::onClearClicked() {
    if (!confirmed("Really clear out all extensions?"))
        return;
    m_typeList->clear();
    setCounter();
}

void TypeListEditor::onCloseClicked() {
    if (WriteStatFilesToDisk(entries(), m_section))
        accept();
    else
        reject();
}

void TypeListEditor::addEntry(std::vector<std::string>& lines, const std::string& line) {
    if (containsLineIgnoringCase(lines, line))
        return;
    lines.push_back(line);
    addByteEntry(*m_typeList, line);
}

void TypeListEditor::setCounter() {
    m_counter->setText(QString::number(m_typeList->count()) + " available");
}
