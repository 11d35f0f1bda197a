#include "types/select_extension_dialog.h"

#include "types/dialog_frame.h"
#include "types/type_description.h"
#include "types/type_pattern.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QString toText(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

constexpr int lineRole = Qt::UserRole; // the whole line, pattern TAB description, as bytes
} // namespace

TfrmSelectExtension::TfrmSelectExtension(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(this)), Edit1(new QLineEdit(this)),
      lBox(new QTreeWidget(this)), Label2(new QLabel(this)), BitBtn1(new QPushButton(this)),
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
    lBox->setColumnCount(2);
    lBox->setHeaderHidden(true);
    lBox->setRootIsDecorated(false);
    lBox->setUniformRowHeights(true);
    lBox->setAllColumnsShowFocus(true);
    lBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lBox->header()->setStretchLastSection(true);
    lBox->setColumnWidth(0, lBox->fontMetrics().horizontalAdvance(QStringLiteral("*.MMMMM")));
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

    connect(lBox, &QTreeWidget::itemClicked, this, [this] { lBoxClick(); });
    connect(lBox, &QTreeWidget::itemDoubleClicked, this, [this] { lBoxDblClick(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

std::vector<std::string> TfrmSelectExtension::selectedLines() const {
    std::vector<std::string> lines;
    for (int k = 0; k < lBox->topLevelItemCount(); ++k)
        if (const QTreeWidgetItem* item = lBox->topLevelItem(k); item->isSelected())
            lines.push_back(item->data(0, lineRole).toByteArray().toStdString());
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
        const std::string description = typeDescription(std::string_view(pattern).substr(1));
        auto* item = new QTreeWidgetItem(lBox, {toText(pattern), toText(description)});
        item->setData(0, lineRole, QByteArray::fromStdString(pattern + '\t' + description));
    }
    if (!cbWildCard.empty())
        Edit1->setText(toText(cbWildCard.front()));
    Edit1->setFocus();
    Edit1->selectAll();
}

void TfrmSelectExtension::lBoxClick() {
    const int index = lBox->indexOfTopLevelItem(lBox->currentItem());
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
    if (lBox->selectedItems().size() > 1) {
        m_multiple = true;
        return false;
    }
    m_multiple = false;
    m_pattern.clear();
    m_description.clear();
    const std::optional<std::string> pattern =
        normaliseTypedPattern(Edit1->text().toLocal8Bit().toStdString());
    if (!pattern)
        return false;
    m_pattern = *pattern;
    m_description = typeDescription(patternExtension(m_pattern));
    return true;
}
