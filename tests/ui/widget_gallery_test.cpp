#include "platform/temp_folder.h"
#include "ui/widget_gallery.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

TEST(WidgetGallery, WritesEveryPictureAndAPrintedGrid) {
    tally_test::TempFolder temp;
    const QString out = QString::fromStdString(temp.path()) + "/gallery";
    ASSERT_TRUE(renderWidgetGallery(out));
    const QStringList pictures = QDir(out).entryList({"*.png"});
    EXPECT_GE(pictures.size(), 10);
    for (const QString& name : pictures) {
        const QImage image(QDir(out).filePath(name));
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_GT(image.width(), 50) << name.toStdString();
    }
    EXPECT_GT(QFileInfo(QDir(out).filePath("grid_print.pdf")).size(), 1000);
}
