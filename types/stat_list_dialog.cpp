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

TfrmStatList::TfrmStatList(std::string section, QWidget* parent)
    : QDialog(parent), Label1(new EffectLabel(QStringLiteral("File Types"), this)),
      lblCount(new EffectLabel(QString(), this)), PickList1(new PickList(this)),
      btAdd(new QPushButton(this)), btDelete(new QPushButton(this)), btClear(new QPushButton(this)),
      btClose(new QPushButton(this)), Label2(new QLabel(this)), m_section(std::move(section)) {
    setWindowTitle("File types");

    Label1->setObjectName("Label1");
    makeHeading(*Label1);
    lblCount->setObjectName("lblCount");
    makeHeading(*lblCount);
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblCount->setMinimumWidth(160);

    PickList1->setObjectName("PickList1");
    PickList1->setToolTip("List of temporary file extensions and types");
    PickList1->setMarkStyle(PickList::MarkStyle::none);
    PickList1->setSorted(true);
    PickList1->setTabStop(16);
    PickList1->setMinimumSize(320, 240);

    const std::pair<QPushButton*, std::array<const char*, 3>> buttons[] = {
        {btAdd, {"btAdd", "&Add", "Add a file extension to this list"}},
        {btDelete, {"btDelete", "&Delete", "Delete a file extension"}},
        {btClear, {"btClear", "&Clear all", "Clear all extensions"}},
        {btClose, {"btClose", "Close", "Close window"}},
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

    Label2->setObjectName("Label2");
    Label2->setText("Hint: Drag mouse or use ctrl-click to select multiple file types.");

    auto* headings = new QHBoxLayout;
    headings->addWidget(Label1);
    headings->addStretch();
    headings->addWidget(lblCount);
    auto* layout = new QGridLayout(this);
    layout->addLayout(headings, 0, 0);
    layout->addWidget(PickList1, 1, 0);
    layout->addLayout(buttonColumn, 1, 1);
    layout->addWidget(Label2, 2, 0, 1, 2);
    makeFixedDialog(*this);

    connect(btAdd, &QPushButton::clicked, this, [this] { btAddClick(); });
    connect(btDelete, &QPushButton::clicked, this, [this] { btDeleteClick(); });
    connect(btClear, &QPushButton::clicked, this, [this] { btClearClick(); });
    connect(btClose, &QPushButton::clicked, this, [this] { btCloseClick(); });
}

std::vector<std::string> TfrmStatList::entries() const {
    return byteEntries(*PickList1);
}

void TfrmStatList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        FormShow();
        centreOnScreen(*this);
    }
}

void TfrmStatList::keyPressEvent(QKeyEvent* event) {
    // Esc is "Close" here: it stores the list, unlike the title bar's close box.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btClose->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmStatList::FormShow() {
    std::vector<std::string> lines;
    ReadStatFilesFromDisk(lines, m_section);
    for (const std::string& line : lines)
        addByteEntry(*PickList1, line);
    setCounter();
}

void TfrmStatList::btAddClick() {
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

void TfrmStatList::btDeleteClick() {
    const std::vector<int> selected = PickList1->selectedRows();
    if (selected.size() > 1 &&
        !confirmed("Really delete " + std::to_string(selected.size()) + " extensions?"))
        return;
    for (auto row = selected.rbegin(); row != selected.rend(); ++row)
        PickList1->removeItemAt(*row);
    setCounter();
}

void TfrmStatList::btClearClick() {
    if (!confirmed("Really clear out all extensions?"))
        return;
    PickList1->clear();
    setCounter();
}

void TfrmStatList::btCloseClick() {
    if (WriteStatFilesToDisk(entries(), m_section))
        accept();
    else
        reject();
}

void TfrmStatList::addEntry(std::vector<std::string>& lines, const std::string& line) {
    if (containsLineIgnoringCase(lines, line))
        return;
    lines.push_back(line);
    addByteEntry(*PickList1, line);
}

void TfrmStatList::setCounter() {
    lblCount->setText(QString::number(PickList1->count()) + " available");
}
