// The program's modal windows as the X server shows them: what reaches the screen must be what
// each window paints (no native child left unpainted, no unblended translucent part).
#include "app/about_window.h"
#include "app/samples_window.h"
#include "collect/fake_drives.h"
#include "screen/screen_grab.h"
#include "types/stat_list_dialog.h"
#include "types/which_drive_dialog.h"
#include "ui/named_child.h"
#include "ui/pick_list.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

using tally_test::screenVersusRender;
using tally_test::showOnScreen;

// Blinking carets and the like may differ; a window that did not reach the screen differs in
// most of its pixels.
constexpr double tolerance = 0.02;

class DialogsScreen : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.map('d', "removable");
        drives.enter('c');
    }

    tally_test::FakeDrives drives;
};

TEST_F(DialogsScreen, TheWizardPages) {
    WhichDriveWizard wizard;
    ASSERT_TRUE(showOnScreen(wizard));
    EXPECT_LT(screenVersusRender(wizard, QStringLiteral("wizard-drives")), tolerance);
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::settle();
    EXPECT_LT(screenVersusRender(wizard, QStringLiteral("wizard-mode")), tolerance);
    tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    tally_test::settle();
    EXPECT_LT(screenVersusRender(wizard, QStringLiteral("wizard-types")), tolerance);
}

TEST_F(DialogsScreen, TheListEditorAboutAndSampleWindows) {
    TypeListEditor editor("Include");
    ASSERT_TRUE(showOnScreen(editor));
    EXPECT_LT(screenVersusRender(editor, QStringLiteral("list-editor")), tolerance);
    editor.hide();

    AboutWindow about;
    ASSERT_TRUE(showOnScreen(about));
    EXPECT_LT(screenVersusRender(about, QStringLiteral("about")), tolerance);

    for (int product = 0; product < 5; ++product) {
        SamplesWindow samples(&about);
        samples.panel(product)->show();
        ASSERT_TRUE(showOnScreen(samples));
        EXPECT_LT(screenVersusRender(samples, QStringLiteral("samples-%1").arg(product)), tolerance)
            << "sample " << product;
    }
}

} // namespace
