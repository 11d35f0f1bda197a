#include "types/which_drive_dialog.h"

#include "types/byte_entries.h"
#include "types/dialog_frame.h"
#include "types/drive_list.h"
#include "types/stat_list_dialog.h"
#include "types/type_list_store.h"
#include "ui/effect_label.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

namespace {

// Every page has this size; the window is two pixels larger each way.
constexpr QSize pageSize{400, 292};
constexpr int buttonWidth = 88;
constexpr int buttonHeight = 27;
constexpr int buttonTop = 252;
constexpr int rightButtonLeft = 296;
constexpr int middleButtonLeft = 200;

const char* const driveListHint = "Right click to select/deselect all";

QPushButton* makeButton(QWidget* page, const char* name, const char* caption, int left) {
    auto* button = new QPushButton(QString::fromLatin1(caption), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, buttonTop, buttonWidth, buttonHeight);
    return button;
}

RaisedPanel* makePage(QWidget* owner, const char* name) {
    auto* page = new RaisedPanel(owner);
    page->setObjectName(QString::fromLatin1(name));
    page->setGeometry(QRect(QPoint(0, 0), pageSize));
    return page;
}

EffectLabel* makeLabel(QWidget* page, const char* name, const char* caption) {
    auto* label = new EffectLabel(QString::fromLatin1(caption), page);
    label->setObjectName(QString::fromLatin1(name));
    makeHeading(*label);
    return label;
}

QAction* addMenuItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

} // namespace

TfrmWhichDrive::TfrmWhichDrive(QWidget* owner)
    : QDialog(owner), pnlPage1(makePage(this, "pnlPage1")),
      lblDrives(makeLabel(pnlPage1, "lblDrives", "Which drives?")),
      pckDrive(new PickList(pnlPage1)),
      btCancel1(makeButton(pnlPage1, "btCancel1", "Cancel", middleButtonLeft)),
      btNext1(makeButton(pnlPage1, "btNext1", "&Next >>", rightButtonLeft)),
      pnlPage2(makePage(this, "pnlPage2")),
      lblTypes(makeLabel(pnlPage2, "lblTypes", "Which file types?")),
      rbAll(new QRadioButton(QStringLiteral("&All files"), pnlPage2)),
      rbInclude(new QRadioButton(QStringLiteral("&Selected file types only"), pnlPage2)),
      rbExclude(
          new QRadioButton(QStringLiteral("All files &except selected file types"), pnlPage2)),
      btPrior2(makeButton(pnlPage2, "btPrior2", "<< &Previous", middleButtonLeft)),
      btNext2(makeButton(pnlPage2, "btNext2", "&Next >>", rightButtonLeft)),
      pnlPage3(makePage(this, "pnlPage3")), lblSelect(makeLabel(pnlPage3, "lblSelect", "")),
      lblOf(makeLabel(pnlPage3, "lblOf", "")), PickList1(new PickList(pnlPage3)),
      btEdit(makeButton(pnlPage3, "btEdit", "&Add/Delete", 12)),
      btPrior3(makeButton(pnlPage3, "btPrior3", "<< &Previous", middleButtonLeft)),
      btOK(makeButton(pnlPage3, "btOK", "OK", rightButtonLeft)), popDrives(new QMenu(this)),
      popTypes(new QMenu(this)) {
    setObjectName(QStringLiteral("frmWhichDrive"));
    setWindowTitle(QStringLiteral("Which drives and file types?"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(pageSize + QSize(2, 2));

    lblDrives->setGeometry(12, 8, 376, 36);
    pckDrive->setObjectName(QStringLiteral("pckDrive"));
    pckDrive->setGeometry(12, 50, 376, 190);
    pckDrive->setMarkStyle(PickList::MarkStyle::checkMark);
    pckDrive->setToolTip(QString::fromLatin1(driveListHint));
    pckDrive->setContextMenu(popDrives);

    lblTypes->setGeometry(12, 8, 376, 36);
    const std::pair<QRadioButton*, const char*> modes[] = {
        {rbAll, "rbAll"}, {rbInclude, "rbInclude"}, {rbExclude, "rbExclude"}};
    int top = 76;
    for (const auto& [button, name] : modes) {
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(48, top, 320, 24);
        top += 40;
    }
    rbAll->setChecked(true);

    lblSelect->setGeometry(12, 8, 296, 36);
    lblOf->setGeometry(308, 8, 80, 36);
    lblOf->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    PickList1->setObjectName(QStringLiteral("PickList1"));
    PickList1->setGeometry(12, 50, 376, 190);
    PickList1->setMarkStyle(PickList::MarkStyle::checkMark);
    PickList1->setTabStop(12);
    PickList1->setToolTip(QString::fromLatin1(driveListHint));
    PickList1->setContextMenu(popTypes);
    btEdit->setToolTip(QStringLiteral("Add, delete file types"));

    popDrives->setObjectName(QStringLiteral("popDrives"));
    popTypes->setObjectName(QStringLiteral("popTypes"));
    connect(addMenuItem(popDrives, "SelectAll1", "Select All"), &QAction::triggered, this,
            [this] { SelectAll1Click(); });
    connect(addMenuItem(popDrives, "Deselectall1", "Deselect All"), &QAction::triggered, this,
            [this] { Deselectall1Click(); });
    connect(addMenuItem(popTypes, "SelectAll2", "Select All"), &QAction::triggered, this,
            [this] { SelectAll2Click(); });
    connect(addMenuItem(popTypes, "DeselectAll2", "Deselect All"), &QAction::triggered, this,
            [this] { DeselectAll2Click(); });

    connect(pckDrive, &PickList::entryClicked, this, [this] { pckDriveClick(); });
    connect(PickList1, &PickList::entryClicked, this, [this] { PickList1Click(); });
    connect(btCancel1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btNext1, &QPushButton::clicked, this, [this] { showPage(2); });
    connect(btPrior2, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(btNext2, &QPushButton::clicked, this, [this] { btNext2Click(); });
    connect(btPrior3, &QPushButton::clicked, this, [this] { showPage(2); });
    connect(btEdit, &QPushButton::clicked, this, [this] { btEditClick(); });
    connect(btOK, &QPushButton::clicked, this, [this] { btOKClick(); });

    showPage(1);
}

WizardAnswer TfrmWhichDrive::answer() const {
    WizardAnswer result;
    result.drives = markedByteEntries(*pckDrive);
    result.allFiles = allFiles;
    result.includeTypes = includeTypes;
    result.excludeTypes = excludeTypes;
    if (!allFiles)
        result.typeEntries = markedByteEntries(*PickList1);
    return result;
}

int TfrmWhichDrive::currentPage() const {
    if (pnlPage3->isVisibleTo(this))
        return 3;
    return pnlPage2->isVisibleTo(this) ? 2 : 1;
}

std::string TfrmWhichDrive::typeSection() const {
    return rbInclude->isChecked() ? includeSection : excludeSection;
}

void TfrmWhichDrive::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
        centreOnScreen(*this);
    }
}

void TfrmWhichDrive::FormShow() {
    pckDrive->clear();
    for (const DriveListEntry& entry : machineDriveList(DriveListKind::wizard))
        pckDrive->setMarked(addByteEntry(*pckDrive, entry.text), entry.marked);
    pckDriveClick();
}

void TfrmWhichDrive::showPage(int page) {
    pnlPage1->setVisible(page == 1);
    pnlPage2->setVisible(page == 2);
    pnlPage3->setVisible(page == 3);
    // A dialog has one default button: the one of the page on view.
    QPushButton* const defaults[] = {btNext1, btNext2, btOK};
    defaults[page - 1]->setDefault(true);
}

void TfrmWhichDrive::pckDriveClick() {
    btNext1->setEnabled(pckDrive->markedCount() > 0);
}

void TfrmWhichDrive::PickList1Click() {
    const int marked = PickList1->markedCount();
    setCounter(marked);
    btOK->setEnabled(pckDrive->markedCount() > 0 && marked > 0);
}

void TfrmWhichDrive::btNext2Click() {
    btOK->setEnabled(false);
    if (rbAll->isChecked()) {
        allFiles = true;
        includeTypes = false;
        excludeTypes = false;
        accept();
        return;
    }
    lblSelect->setText(rbInclude->isChecked() ? QStringLiteral("Selected file types only")
                                              : QStringLiteral("All file types except ..."));
    loadTypes();
    showPage(3);
}

void TfrmWhichDrive::btEditClick() {
    {
        TypeListEditor editor(typeSection(), this);
        editor.exec();
    }
    loadTypes();
}

void TfrmWhichDrive::btOKClick() {
    allFiles = rbAll->isChecked();
    includeTypes = rbInclude->isChecked();
    excludeTypes = rbExclude->isChecked();
    accept();
}

void TfrmWhichDrive::SelectAll1Click() {
    pckDrive->setAllMarked(true);
    pckDriveClick();
}

void TfrmWhichDrive::Deselectall1Click() {
    pckDrive->setAllMarked(false);
    pckDriveClick();
}

void TfrmWhichDrive::SelectAll2Click() {
    PickList1->setAllMarked(true);
    PickList1Click();
}

void TfrmWhichDrive::DeselectAll2Click() {
    PickList1->setAllMarked(false);
    PickList1Click();
}

void TfrmWhichDrive::loadTypes() {
    std::vector<std::string> lines;
    ReadStatFilesFromDisk(lines, typeSection());
    PickList1->clear();
    for (const std::string& line : lines)
        addByteEntry(*PickList1, line);
    btOK->setEnabled(false);
    setCounter(0);
}

void TfrmWhichDrive::setCounter(int marked) {
    lblOf->setText(QString::number(marked) + QLatin1Char('/') +
                   QString::number(PickList1->count()));
}
