#pragma once
// Shows a statistics page on its own notebook tab, the way the statistics window shows it, and
// checks that nothing of its text is cut off or falls outside the page. With
// TALLY_PAGE_PICTURES naming a folder, the view is also saved there as a PNG for a person to
// look at. Shared by the picture tests of every page.

#include "ui/notebook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <cstdlib>

namespace page_look {

inline void expectNothingClipped(QWidget& page, const QString& view) {
    const QRect pageRect = page.rect();
    const std::string viewName = view.toStdString();
    for (QLabel* label : page.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&page) || label->text().isEmpty())
            continue;
        const QRect area = label->contentsRect();
        const QRect onPage(label->mapTo(&page, QPoint(0, 0)), label->size());
        EXPECT_TRUE(pageRect.contains(onPage)) << viewName << ": " << label->text().toStdString();
        const QFontMetrics metrics(label->font());
        const int needed =
            label->wordWrap() ? label->heightForWidth(area.width()) : metrics.height();
        EXPECT_LE(needed, area.height()) << viewName << ": " << label->text().toStdString();
        if (!label->wordWrap()) {
            EXPECT_LE(metrics.horizontalAdvance(label->text()), area.width())
                << viewName << ": " << label->text().toStdString();
        }
    }
    for (QAbstractButton* button : page.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&page))
            continue;
        EXPECT_LE(button->sizeHint().width(), button->width())
            << viewName << ": " << button->text().toStdString();
        const QRect onPage(button->mapTo(&page, QPoint(0, 0)), button->size());
        EXPECT_TRUE(pageRect.contains(onPage))
            << viewName << ": " << button->objectName().toStdString();
    }
    for (QPlainTextEdit* memo : page.findChildren<QPlainTextEdit*>()) {
        if (!memo->isVisibleTo(&page))
            continue;
        const QFontMetrics metrics(memo->font());
        const int width =
            memo->viewport()->width() - 2 * static_cast<int>(memo->document()->documentMargin());
        const QRect text =
            metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, memo->toPlainText());
        EXPECT_LE(text.height() + 2 * memo->document()->documentMargin(),
                  memo->viewport()->height())
            << viewName << ": the memo's text runs past its foot";
    }
}

// Puts the page on tab `index` of a notebook as large as the window's, checks it and, when
// asked, saves a picture under `name`; the page is handed back without a parent.
inline void look(QWidget* page, int index, const QString& name) {
    Notebook notebook;
    notebook.resize(632, 382);
    notebook.setTabSize(QSize(63, 18));
    const char* captions[] = {"Space",   "Types",    "Sizes",    "Overhang",  "Access",
                              "Created", "Modified", "Combined", "Attribute", "Time"};
    for (int i = 0; i < 10; ++i)
        notebook.addPage(QString::fromLatin1(captions[i]), i == index ? page : nullptr);
    notebook.setCurrentIndex(index);
    notebook.show();
    QApplication::processEvents();
    EXPECT_EQ(page->size(), QSize(628, 358)) << "the page area the layouts are made for";
    expectNothingClipped(*page, name);
    if (const char* folder = std::getenv("TALLY_PAGE_PICTURES")) {
        QDir().mkpath(QString::fromLocal8Bit(folder));
        EXPECT_TRUE(notebook.grab().save(
            QDir(QString::fromLocal8Bit(folder)).filePath(name + QStringLiteral(".png"))));
    }
    page->setParent(nullptr);
}

} // namespace page_look
