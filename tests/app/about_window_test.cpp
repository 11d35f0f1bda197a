#include "app/about_window.h"

#include "app/maker.h"
#include "app/samples_window.h"
#include "app/shell_open.h"
#include "fake_xdg_open.h"
#include "platform/message_hook.h"
#include "ui/effect_label.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ShownMessage {
    platform::MessageKind kind;
    std::string title;
    std::string text;
};

// Records the boxes and beeps the About window would show and makes the shell answer as told.
class AboutWindowTest : public ::testing::Test {
protected:
    AboutWindowTest() {
        platform::setMessageHook(
            [this](platform::MessageKind kind, const std::string& title, const std::string& text) {
                m_messages.push_back({kind, title, text});
                return platform::MessageResult::Ok;
            });
        platform::setBeepHook([this] { ++m_beeps; });
        setShellOpenHook([this](const std::string& address) {
            m_opened.push_back(address);
            return m_shellWorks;
        });
    }
    ~AboutWindowTest() override {
        platform::setMessageHook({});
        platform::setBeepHook({});
        setShellOpenHook({});
    }

    void expectOneBrowserError() const {
        ASSERT_EQ(m_messages.size(), 1U);
        EXPECT_EQ(m_messages[0].kind, platform::MessageKind::Error);
        EXPECT_EQ(m_messages[0].title, "Error");
        EXPECT_EQ(m_messages[0].text, "Couldn't open web browser for home page.");
        EXPECT_EQ(m_beeps, 1);
        ASSERT_EQ(m_opened.size(), 1U);
        EXPECT_EQ(m_opened[0], maker::webAddress);
    }

    std::vector<ShownMessage> m_messages;
    std::vector<std::string> m_opened;
    int m_beeps = 0;
    bool m_shellWorks = true;
};

void clickLabel(QLabel* label) {
    const QPointF at(2, 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, label->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(label, &event);
    }
}

struct SampleSeen {
    QString caption;
    QString title;
    std::vector<int> visiblePanels;
};

} // namespace

TEST_F(AboutWindowTest, CaptionsAndHints) {
    AboutWindow about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("How to contact us"));
    EXPECT_EQ(about.webButton()->text(), QStringLiteral("Velmor Home Page"));
    EXPECT_EQ(about.webButton()->toolTip(),
              QStringLiteral("Launch your browser to Velmor Home Page"));
    EXPECT_TRUE(about.okButton()->isDefault());
    EXPECT_EQ(about.webLabel()->text().toStdString(), maker::webAddress);
    for (int product = 0; product < 5; ++product) {
        EXPECT_EQ(about.arrowButton(product)->toolTip(),
                  QStringLiteral("Click to view a sample screen shot"));
    }
}

TEST_F(AboutWindowTest, WebLabelFailureIsReportedOnceAndTheWindowStays) {
    m_shellWorks = false;
    AboutWindow about;
    about.show();
    clickLabel(about.webLabel());
    expectOneBrowserError();
    EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutWindowTest, HomePageButtonFailureIsReportedOnceAndTheWindowCloses) {
    m_shellWorks = false;
    AboutWindow about;
    about.show();
    about.webButton()->click();
    expectOneBrowserError();
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowTest, WorkingBrowserShowsNoMessage) {
    AboutWindow about;
    about.show();
    about.webButton()->click();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_beeps, 0);
    EXPECT_EQ(m_opened.size(), 1U);
    EXPECT_FALSE(about.isVisible());
}

// The real launcher, a fake xdg-open first on PATH: one that finds no browser exits 3.
TEST_F(AboutWindowTest, AFailingLauncherIsReportedOnceFromTheLabelAndFromTheButton) {
    setShellOpenHook({});
    tally_test::FakeXdgOpen launcher("exit 3");
    AboutWindow about;
    about.show();
    clickLabel(about.webLabel());
    ASSERT_EQ(m_messages.size(), 1U);
    EXPECT_EQ(m_messages[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(m_messages[0].text, "Couldn't open web browser for home page.");
    EXPECT_TRUE(about.isVisible());

    about.webButton()->click();
    ASSERT_EQ(m_messages.size(), 2U);
    EXPECT_EQ(m_messages[1].text, "Couldn't open web browser for home page.");
    EXPECT_EQ(m_beeps, 2);
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(launcher.launches(), (std::vector<std::string>{std::string(maker::webAddress),
                                                             std::string(maker::webAddress)}));
}

TEST_F(AboutWindowTest, AWorkingLauncherShowsNoMessage) {
    setShellOpenHook({});
    tally_test::FakeXdgOpen launcher("exit 0");
    AboutWindow about;
    about.show();
    clickLabel(about.webLabel());
    about.webButton()->click();
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_beeps, 0);
    EXPECT_EQ(launcher.launches().size(), 2U);
}

TEST_F(AboutWindowTest, EachArrowShowsExactlyItsOwnSample) {
    AboutWindow about;
    about.show();
    for (int product = 0; product < 5; ++product) {
        SampleSeen seen;
        bool sampleFound = false;
        QTimer::singleShot(0, [&] {
            auto* samples = qobject_cast<SamplesWindow*>(QApplication::activeModalWidget());
            if (samples == nullptr)
                return;
            sampleFound = true;
            seen.caption = samples->windowTitle();
            seen.title = samples->titleLabel()->text();
            for (int panel = 0; panel < 5; ++panel)
                if (samples->panel(panel)->isVisible())
                    seen.visiblePanels.push_back(panel);
            samples->okButton()->click();
        });
        about.arrowButton(product)->click();
        ASSERT_TRUE(sampleFound) << "product " << product;
        EXPECT_EQ(seen.caption, QStringLiteral("Sample screen shots"));
        EXPECT_EQ(seen.title.toStdString(), maker::products.at(product).name);
        EXPECT_EQ(seen.visiblePanels, std::vector<int>{product});
    }
    EXPECT_TRUE(about.isVisible());
}

TEST(SamplesWindow, WithoutAVisiblePanelTheTitleKeepsItsDesignText) {
    SamplesWindow samples;
    samples.show();
    EXPECT_EQ(samples.titleLabel()->text(), QStringLiteral("Tally 99"));
    for (int panel = 0; panel < 5; ++panel)
        EXPECT_FALSE(samples.panel(panel)->isVisible());
}
