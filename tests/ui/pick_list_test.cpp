#include "ui/pick_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {
void click(PickList& list, int index) {
    const QPoint at = list.visualItemRect(list.item(index)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &press);
}
} // namespace

TEST(PickList, SortedListOrdersWithoutCaseAndKeepsMarks) {
    PickList list;
    list.setSorted(true);
    for (const char* text : {"*.txt\tText", "*.DOC\tWord", "*.bmp\tBitmap", "*.Doc2", "*._x"})
        list.addItem(QString::fromLatin1(text));
    EXPECT_EQ(list.items(),
              (QStringList{"*._x", "*.bmp\tBitmap", "*.DOC\tWord", "*.Doc2", "*.txt\tText"}))
        << "'_' sorts before letters once they are folded to lower case";

    PickList unsorted;
    unsorted.addItem("b");
    unsorted.addItem("A");
    unsorted.setMarked(0, true);
    EXPECT_EQ(unsorted.items(), (QStringList{"b", "A"}));
    unsorted.setSorted(true);
    EXPECT_EQ(unsorted.items(), (QStringList{"A", "b"}));
    EXPECT_EQ(unsorted.markedItems(), QStringList{"b"});
}

TEST(PickList, ClicksAndSpaceToggleMarksAndReportTheEntry) {
    PickList list;
    for (const char* text : {"c: [work]", "d: (Fixed disk)", "e:"})
        list.addItem(QString::fromLatin1(text));
    list.resize(200, 120);
    list.show();
    QApplication::processEvents();
    std::vector<int> clicked;
    QObject::connect(&list, &PickList::entryClicked, [&](int index) {
        clicked.push_back(index);
        EXPECT_TRUE(list.isMarked(index) || index == 2) << "the mark changes before the signal";
    });

    click(list, 0);
    click(list, 2);
    EXPECT_EQ(list.markedItems(), (QStringList{"c: [work]", "e:"}));
    EXPECT_EQ(list.markedCount(), 2);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&list, &space);
    EXPECT_FALSE(list.isMarked(2)) << "space toggles the current entry";
    EXPECT_EQ(clicked, (std::vector<int>{0, 2, 2}));

    list.setAllMarked(true);
    EXPECT_EQ(list.markedCount(), 3);
    EXPECT_FALSE(list.isMarked(7));
    list.setMarked(7, true);
    list.clear();
    EXPECT_EQ(list.count(), 0);
}

TEST(PickList, PlainListSelectsRowsWithoutMarking) {
    PickList list;
    list.setMarkStyle(PickList::MarkStyle::none);
    for (const char* text : {"a", "b", "c"})
        list.addItem(QString::fromLatin1(text));
    list.item(2)->setSelected(true);
    list.item(0)->setSelected(true);
    EXPECT_EQ(list.selectedRows(), (std::vector<int>{0, 2}));
    EXPECT_EQ(list.markedCount(), 0);
}

TEST(PickList, TabSplitsALineIntoTwoAlignedColumns) {
    EXPECT_EQ(PickList::splitAtTab("*.doc\tWord document"),
              (std::pair<QString, QString>{"*.doc", "Word document"}));
    EXPECT_EQ(PickList::splitAtTab("*.a\tb\tc").second, "b\tc");
    EXPECT_TRUE(PickList::splitAtTab("plain").second.isNull());

    PickList list;
    list.setTabStop(12);
    list.addItem("*.c\tC source");
    const int narrow = list.secondColumnOffset();
    EXPECT_GT(narrow, QFontMetrics(list.font()).horizontalAdvance("*.c"));
    list.addItem("*.longext\tSomething");
    const int wide = list.secondColumnOffset();
    EXPECT_GT(wide, QFontMetrics(list.font()).horizontalAdvance("*.longext"));
    EXPECT_GE(wide, narrow);
    EXPECT_EQ(wide % list.tabStopPixels(), 0) << "a multiple of the tab stop";
    list.setTabStop(16);
    EXPECT_GT(list.tabStopPixels(), 0);
    EXPECT_EQ(list.secondColumnOffset() % list.tabStopPixels(), 0);
}

TEST(PickList, TheCurrentRowShowsItsMarkAndTextInEveryState) {
    for (const auto style : {PickList::MarkStyle::checkMark, PickList::MarkStyle::checkBox})
        for (const bool marked : {false, true}) {
            PickList list;
            list.setMarkStyle(style);
            list.addItem("c: [work]");
            list.addItem("d: (Fixed disk)");
            list.resize(200, 120);
            list.show();
            QApplication::setActiveWindow(&list);
            list.setFocus();
            list.setCurrentRow(0);
            list.setMarked(0, marked);
            QApplication::processEvents();
            ASSERT_TRUE(list.hasFocus());
            // Inside the focus frame: the mark and the text stand out from the row's fill.
            const QRect inside = list.visualItemRect(list.item(0)).adjusted(2, 2, -2, -2);
            const QImage row = list.viewport()->grab(inside).toImage();
            const QRgb fill = row.pixel(row.width() - 1, row.height() / 2);
            int drawn = 0;
            for (int y = 0; y < row.height(); ++y)
                for (int x = 0; x < row.width(); ++x)
                    drawn += row.pixel(x, y) != fill ? 1 : 0;
            EXPECT_GT(drawn, 40) << "the current row is blank, style " << static_cast<int>(style)
                                 << (marked ? ", marked" : "");
        }
}
