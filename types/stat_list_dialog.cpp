#include "types/stat_list_dialog.h"

#include "platform/message_hook.h"
#include "types/dialog_frame.h"
#include "types/select_extension_dialog.h"
#include "types/type_list_store.h"
#include "types/type_pattern.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QString toText(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool confirmed(const std::string& question) {
    return platform::showMessageBox(platform::MessageKind::Confirmation, "Confirm", question) ==
           platform::MessageResult::Yes;
}
} // namespace

TfrmStatList::TfrmStatList(std::string section, QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), lblCount(new QLabel(this)),
      PickList1(new QTreeWidget(this)), btAdd(new QPushButton(this)),
      btDelete(new QPushButton(this)), btClear(new QPushButton(this)),
      btClose(new QPushButton(this)), Label2(new QLabel(this)), m_section(std::move(section)) {
    setWindowTitle("File types");

    QFont headingFont(QStringLiteral("Times New Roman"));
    headingFont.setStyleHint(QFont::Serif);
    headingFont.setPixelSize(23);
    for (QLabel* heading : {Label1, lblCount}) {
        heading->setFont(headingFont);
        QPalette palette = heading->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        heading->setPalette(palette);
    }
    Label1->setObjectName("Label1");
    Label1->setText("File Types");
    lblCount->setObjectName("lblCount");
    lblCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    PickList1->setObjectName("PickList1");
    PickList1->setToolTip("List of temporary file extensions and types");
    PickList1->setColumnCount(2);
    PickList1->setHeaderHidden(true);
    PickList1->setRootIsDecorated(false);
    PickList1->setUniformRowHeights(true);
    PickList1->setAllColumnsShowFocus(true);
    PickList1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    PickList1->header()->setStretchLastSection(true);
    PickList1->setColumnWidth(
        0, PickList1->fontMetrics().horizontalAdvance(QStringLiteral("*.MMMMMM")));
    PickList1->setMinimumSize(320, 240);

    const std::pair<QPushButton*, std::pair<const char*, const char*>> buttons[] = {
        {btAdd, {"&Add", "Add a file extension to this list"}},
        {btDelete, {"&Delete", "Delete a file extension"}},
        {btClear, {"&Clear all", "Clear all extensions"}},
        {btClose, {"Close", "Close window"}},
    };
    auto* buttonColumn = new QVBoxLayout;
    for (const auto& [button, texts] : buttons) {
        button->setText(texts.first);
        button->setToolTip(texts.second);
        button->setAutoDefault(false);
        buttonColumn->addWidget(button);
    }
    btAdd->setObjectName("btAdd");
    btDelete->setObjectName("btDelete");
    btClear->setObjectName("btClear");
    btClose->setObjectName("btClose");
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
    ReadStatFilesFromDisk(m_entries, m_section);
    std::ranges::stable_sort(m_entries, lineLessIgnoringCase);
    showEntries();
    setCounter();
}

void TfrmStatList::btAddClick() {
    TfrmSelectExtension picker(this);
    if (picker.exec() == QDialog::Accepted) {
        if (!picker.multiple()) {
            if (!picker.pattern().empty() && picker.pattern() != "*.*")
                addEntry(picker.pattern() + '\t' + picker.description());
        } else {
            for (const std::string& line : picker.selectedLines())
                addEntry(line);
        }
        showEntries();
    }
    setCounter();
}

void TfrmStatList::btDeleteClick() {
    std::vector<int> selected;
    for (int k = 0; k < PickList1->topLevelItemCount(); ++k)
        if (PickList1->topLevelItem(k)->isSelected())
            selected.push_back(k);
    if (selected.size() > 1 &&
        !confirmed("Really delete " + std::to_string(selected.size()) + " extensions?"))
        return;
    for (auto k = selected.rbegin(); k != selected.rend(); ++k)
        m_entries.erase(m_entries.begin() + *k);
    showEntries();
    setCounter();
}

void TfrmStatList::btClearClick() {
    if (!confirmed("Really clear out all extensions?"))
        return;
    m_entries.clear();
    showEntries();
    setCounter();
}

void TfrmStatList::btCloseClick() {
    if (WriteStatFilesToDisk(m_entries, m_section))
        accept();
    else
        reject();
}

void TfrmStatList::addEntry(const std::string& line) {
    if (containsLineIgnoringCase(m_entries, line))
        return;
    m_entries.insert(std::ranges::upper_bound(m_entries, line, lineLessIgnoringCase), line);
}

void TfrmStatList::showEntries() {
    PickList1->clear();
    for (const std::string& line : m_entries) {
        const auto tab = line.find('\t');
        const std::string_view pattern = entryPattern(line);
        const std::string_view description =
            tab == std::string::npos ? std::string_view() : std::string_view(line).substr(tab + 1);
        new QTreeWidgetItem(PickList1, {toText(pattern), toText(description)});
    }
}

void TfrmStatList::setCounter() {
    lblCount->setText(QString::number(static_cast<qsizetype>(m_entries.size())) + " available");
}
