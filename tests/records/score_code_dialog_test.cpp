#include "records/score_code_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "tests/platform_doubles.h"
#include "tests/setup/recording_prompt.h"
#include "web_addresses.h"

namespace {
const std::string kCode = "07674746414181838585252527298969626363830307";

class ScoreCodeDialog : public ::testing::Test {
protected:
    void Open(const std::string& code) {
        dialog.SetScoreCode(code);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    RecordingUrls urls;
    RecordingPrompt prompt;
    TForm8 dialog{urls, prompt};
};
}  // namespace

TEST_F(ScoreCodeDialog, HasItsCaptionTextsAndControlsWhereTheyBelong) {
    EXPECT_EQ(dialog.windowTitle(), "Connecting to Internet!");
    EXPECT_EQ(dialog.size(), QSize(425, 177));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.Image1->geometry(), QRect(8, 14, 16, 16));
    EXPECT_TRUE(dialog.Image1->pixmap().toImage().hasAlphaChannel());
    EXPECT_EQ(dialog.Label1->pos(), QPoint(32, 16));
    EXPECT_EQ(dialog.Label1->text(), QString("You will be connected to ") + kScoreListUrl);
    EXPECT_EQ(dialog.Label2->pos(), QPoint(8, 48));
    EXPECT_EQ(dialog.Label2->text(), "Encrypted scorecode:");
    EXPECT_EQ(dialog.Edit1->geometry().topLeft(), QPoint(8, 72));
    EXPECT_EQ(dialog.Edit1->width(), 409);
    EXPECT_TRUE(dialog.Edit1->isReadOnly());
    EXPECT_EQ(dialog.Label3->pos(), QPoint(8, 104));
    // Shown with one ampersand.
    EXPECT_EQ(dialog.Label3->text(),
              "Copy & Paste the encrypted scorecode to register your score on the internet top "
              "100 list");
    EXPECT_EQ(dialog.Label3->textFormat(), Qt::PlainText);
    EXPECT_EQ(dialog.Button1->text(), "&OK");
    EXPECT_TRUE(dialog.Button1->isDefault());
    EXPECT_EQ(dialog.Button1->geometry(), QRect(80, 136, 75, 25));
    EXPECT_EQ(dialog.Button2->text(), "&Cancel");
    EXPECT_EQ(dialog.Button2->geometry(), QRect(272, 136, 75, 25));
    // Every text fits into the dialog above the next control.
    EXPECT_LT(dialog.Label1->geometry().right(), 425);
    EXPECT_LT(dialog.Label1->geometry().bottom(), dialog.Label2->y());
    EXPECT_LT(dialog.Label3->geometry().right(), 425);
    EXPECT_LT(dialog.Label3->geometry().bottom(), dialog.Button1->y());
}

TEST_F(ScoreCodeDialog, OkOpensTheScoreListPageAndCloses) {
    for (const std::string& code : {kCode, std::string()}) {  // an empty list opens the page too
        Open(code);
        QTest::mouseClick(dialog.Button1, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(urls.opened, (std::vector<std::string>{kScoreListUrl, kScoreListUrl}));
    EXPECT_TRUE(prompt.asked.empty());
}

TEST_F(ScoreCodeDialog, EnterPressesOkAndCancelOnlyCloses) {
    Open(kCode);
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(urls.opened.size(), 1u);
    Open(kCode);
    QTest::mouseClick(dialog.Button2, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(urls.opened.size(), 1u);
}

TEST_F(ScoreCodeDialog, WithoutABrowserItSaysWhereToGoAndStaysOpen) {
    urls.opens = false;
    Open(kCode);
    QTest::mouseClick(dialog.Button1, Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].caption, "Warning");
    EXPECT_EQ(prompt.asked[0].icon, Prompt::Icon::Exclamation);
    EXPECT_EQ(prompt.asked[0].buttons, Prompt::Buttons::Ok);
    EXPECT_NE(prompt.asked[0].text.find(kScoreListUrl), std::string::npos);
}

TEST_F(ScoreCodeDialog, TheCodeCopiesWithTheKeyboardAndTheMouse) {
    Open(kCode);
    // It opens with the code selected in the focused box.
    EXPECT_TRUE(dialog.Edit1->hasFocus());
    const QString code = QString::fromStdString(kCode);
    EXPECT_EQ(dialog.Edit1->selectedText(), code);
    QApplication::clipboard()->clear();
    QTest::keyClick(dialog.Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), code);

    // Typing changes nothing; a double click selects the whole code again.
    QTest::keyClick(dialog.Edit1, Qt::Key_End);
    QTest::keyClicks(dialog.Edit1, "12");
    QTest::keyClick(dialog.Edit1, Qt::Key_Backspace);
    EXPECT_EQ(dialog.Edit1->text(), code);
    EXPECT_EQ(dialog.Edit1->selectedText(), "");
    QApplication::clipboard()->clear();
    QTest::mouseDClick(dialog.Edit1, Qt::LeftButton, {}, QPoint(40, 10));
    EXPECT_EQ(dialog.Edit1->selectedText(), code);
    QTest::keyClick(dialog.Edit1, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), code);
}
