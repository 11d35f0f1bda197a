#include "ui/notebook.h"

#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

struct TenPages {
    TenPages() {
        for (const char* caption : {"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                    "Modified", "Combined", "Attribute", "Time"})
            book.addPage(QString::fromLatin1(caption));
        book.resize(632, 382);
        QObject::connect(&book, &Notebook::pageChanged,
                         [this](int index) { changes.push_back(index); });
    }
    Notebook book;
    std::vector<int> changes;
};

void clickTab(Notebook& book, int index) {
    const QPoint at = book.tabRect(index).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, book.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&book, &press);
}

} // namespace

TEST(Notebook, ADisabledPageCannotBeShown) {
    TenPages pages;
    EXPECT_EQ(pages.book.currentIndex(), 0);
    pages.book.setPageEnabled(3, false);
    EXPECT_FALSE(pages.book.setCurrentIndex(3));
    clickTab(pages.book, 3);
    EXPECT_EQ(pages.book.currentIndex(), 0);
    EXPECT_FALSE(pages.book.setCurrentIndex(10));
    EXPECT_TRUE(pages.changes.empty());

    clickTab(pages.book, 2);
    EXPECT_EQ(pages.book.currentIndex(), 2);
    EXPECT_TRUE(pages.book.page(2)->isVisibleTo(&pages.book));
    pages.book.setPageEnabled(3, true);
    EXPECT_TRUE(pages.book.setCurrentIndex(3));
    EXPECT_TRUE(pages.book.setCurrentIndex(3)) << "showing the page on view again is no change";
    EXPECT_EQ(pages.changes, (std::vector<int>{2, 3}));
}

TEST(Notebook, DisablingThePageOnViewMovesToTheNextEnabledElseThePrevious) {
    TenPages pages;
    pages.book.setCurrentIndex(3);
    pages.book.setPageEnabled(4, false);
    pages.book.setPageEnabled(3, false);
    EXPECT_EQ(pages.book.currentIndex(), 5) << "the next enabled page";
    EXPECT_EQ(pages.book.page(5), pages.book.page(pages.book.currentIndex()));

    pages.book.setCurrentIndex(9);
    pages.book.setPageEnabled(9, false);
    EXPECT_EQ(pages.book.currentIndex(), 8) << "no enabled page after the last: the previous";
    EXPECT_EQ(pages.changes, (std::vector<int>{3, 5, 9, 8}));

    pages.book.setPageEnabled(1, false);
    EXPECT_EQ(pages.book.currentIndex(), 8) << "disabling a page not on view moves nothing";
}

TEST(Notebook, TabsHaveTheirSizeInOneRow) {
    TenPages pages;
    pages.book.setTabSize(QSize(63, 18));
    pages.book.setCurrentIndex(1);
    EXPECT_EQ(pages.book.tabRect(4).size(), QSize(63, 18));
    EXPECT_EQ(pages.book.tabRect(4).top(), pages.book.tabRect(5).top());
    EXPECT_EQ(pages.book.tabRect(5).left(), pages.book.tabRect(4).right() + 1);
    EXPECT_LT(pages.book.tabRect(1).top(), pages.book.tabRect(4).top())
        << "the tab on view stands out";
    EXPECT_GT(pages.book.pageArea().top(), pages.book.tabRect(4).bottom());
}
