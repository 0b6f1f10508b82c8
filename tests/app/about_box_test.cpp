#include "app/about_box.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/main_window.h"
#include "tests/app/splash_gone.h"
#include "tests/app/test_platform.h"
#include "web_addresses.h"

namespace {
TEST(AboutBox, HasItsCaptionSizeAndControls) {
    TestPlatform platform;
    TForm2 about(platform.prompt, platform.urls);
    EXPECT_EQ(about.windowTitle(), "About Quelvane");
    EXPECT_EQ(about.size(), QSize(256, 256));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());  // not resizable
    EXPECT_FALSE(about.windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(about.Image1->geometry(), QRect(0, 0, 256, 256));
    EXPECT_EQ(about.Label1->geometry(), QRect(8, 232, 67, 13));
    // The address shows whole in the label's box.
    const QString shown = about.Label1->text();
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(QString(kHomePageUrl).contains(shown)) << shown.toStdString();
    EXPECT_LE(about.Label1->fontMetrics().horizontalAdvance(shown), 67);
    EXPECT_EQ(about.Label1->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(about.Label1->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(about.Label1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.Button1->geometry(), QRect(90, 224, 75, 25));
    EXPECT_EQ(about.Button1->text(), "&OK");
    EXPECT_TRUE(about.Button1->isDefault());
}

TEST(AboutBox, ClickingTheAddressAsksAndOnlyOkOpensTheHomePage) {
    const std::string home = kHomePageUrl;
    struct Case {
        Prompt::Answer answer;
        bool browserOpens;
        std::vector<std::string> opened;
    };
    const Case cases[] = {
        {Prompt::Answer::Ok, true, {home + "index.htm"}},
        {Prompt::Answer::Cancel, true, {}},
        {Prompt::Answer::Ok, false, {home + "index.htm"}},  // a failing browser is ignored
    };
    for (const Case& c : cases) {
        TestPlatform platform;
        platform.prompt.answer = c.answer;
        platform.urls.opens = c.browserOpens;
        TForm2 about(platform.prompt, platform.urls);
        about.show();
        QTest::mouseClick(about.Label1, Qt::LeftButton, {}, QPoint(10, 6));
        ASSERT_EQ(platform.prompt.asked.size(), 1u);
        const RecordingPrompt::Question& asked = platform.prompt.asked[0];
        EXPECT_EQ(asked.text, "You will be connected to " + home);
        EXPECT_EQ(asked.caption, "Connecting to Internet!");
        EXPECT_EQ(asked.buttons, Prompt::Buttons::OkCancel);
        EXPECT_EQ(asked.icon, Prompt::Icon::Information);
        EXPECT_EQ(platform.urls.opened, c.opened);
        EXPECT_TRUE(about.isVisible());
    }
}

TEST(AboutBox, AboutOpensItModallyCentredOverTheMainWindowAndOkClosesIt) {
    TestPlatform platform;
    TForm1 form{platform.Seams()};
    SplashGone(form);
    form.show();
    QWidget* modal = nullptr;
    QRect placed;
    QTimer::singleShot(0, &form, [&] {
        modal = QApplication::activeModalWidget();
        placed = form.Form2().frameGeometry();
        QTest::mouseClick(form.Form2().Button1, Qt::LeftButton);
    });
    form.About->trigger();
    EXPECT_EQ(modal, &form.Form2());
    EXPECT_FALSE(form.Form2().isVisible());
    const QRect main = form.frameGeometry();
    EXPECT_EQ(placed.left(), main.left() + (main.width() - placed.width()) / 2);
    EXPECT_EQ(placed.top(), main.top() + (main.height() - placed.height()) / 2);
}
}  // namespace
