#include "setup/course_dialog.h"

#include <gtest/gtest.h>

#include <QTest>

#include "course/catalogue.h"
#include "play/game.h"
#include "tests/setup/recording_prompt.h"

namespace {
class CourseDialogTest : public ::testing::Test {
protected:
    static Game& FilledGame(Game& game) {
        InitCourse(game);
        return game;
    }
    CourseDialogTest() : dialog(FilledGame(game), prompt) {}

    /// Opens the dialog the way the Course command does.
    void Open() {
        dialog.LoadSettings();
        dialog.show();
    }
    /// Clicks near the left end, where a radio button or check box has its mark.
    void Click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    void ClickBox(int n) { Click(dialog.CheckBox[n]); }

    QString FifthItem() const { return dialog.RadioGroup1Items->button(4)->text(); }
    std::vector<int> CheckedBoxes() const {
        std::vector<int> boxes;
        for (int n = 1; n <= kHoleCount; ++n)
            if (dialog.CheckBox[n]->isChecked()) boxes.push_back(n);
        return boxes;
    }
    /// Count of pixels drawn in black (caption text) in the caption strip.
    int CaptionInk() const {
        int ink = 0;
        for (int y = 1; y < 15; ++y)
            for (int x = 170; x < 375; ++x) {
                const QRgb pixel = dialog.Canvas().pixel(x, y);
                ink += qAlpha(pixel) == 255 && qGray(pixel) < 100;
            }
        return ink;
    }
    bool PreviewBlank() const {
        const QRgb face = dialog.palette().color(QPalette::Window).rgb();
        for (int y = 15; y < 155; ++y)
            for (int x = 175; x < 375; ++x)
                if (dialog.Canvas().pixel(x, y) != face) return false;
        return true;
    }
    int VisibleNumberPicture() const {
        int shown = 0;
        for (int i = 3; i <= 6; ++i)
            if (!dialog.Image[i]->isHidden()) shown = shown * 10 + i;
        return shown;
    }

    Course course = BuildCourse();  // a test may replace a hole

    Game game{course};
    RecordingPrompt prompt;
    TForm4 dialog;
};

TEST_F(CourseDialogTest, FirstOpeningShowsThirtySixHolesInSequence) {
    Open();
    EXPECT_EQ(dialog.windowTitle(), "Course");
    EXPECT_EQ(dialog.size(), QSize(393, 361));
    EXPECT_EQ(dialog.RadioGroup1->geometry(), QRect(8, 8, 153, 137));
    EXPECT_EQ(dialog.RadioGroup2->geometry(), QRect(8, 152, 377, 41));
    EXPECT_EQ(dialog.GroupBox1->geometry(), QRect(8, 200, 377, 113));
    EXPECT_EQ(dialog.CheckBox[1]->geometry(), QRect(8, 16, 33, 17));
    EXPECT_EQ(dialog.CheckBox[14]->geometry(), QRect(168, 40, 33, 17));
    EXPECT_EQ(dialog.CheckBox[36]->geometry(), QRect(328, 88, 33, 17));
    EXPECT_EQ(dialog.CheckBox[36]->text(), "36");
    EXPECT_EQ(dialog.Button3->geometry(), QRect(280, 328, 75, 25));
    EXPECT_EQ(dialog.Image[1]->geometry(), QRect(178, 68, 195, 84));
    EXPECT_EQ(dialog.Image[2]->geometry(), QRect(291, 15, 48, 53));
    EXPECT_EQ(dialog.Image[6]->geometry(), QRect(184, 16, 80, 45));

    EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kAllHoles);
    EXPECT_EQ(dialog.RadioGroup2Items->checkedId(), kHoleSequence);
    EXPECT_EQ(VisibleNumberPicture(), 6);
    EXPECT_FALSE(dialog.GroupBox1->isEnabled());
    EXPECT_FALSE(dialog.CheckBox[1]->isEnabled());
    EXPECT_EQ(FifthItem(), "Selected holes (0)");
    EXPECT_FALSE(dialog.Timer1->isActive());
}

TEST_F(CourseDialogTest, SelectedHolesWithoutABoxShowsNothingAndOkRefuses) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    EXPECT_TRUE(dialog.CheckBox[20]->isEnabled());
    EXPECT_TRUE(dialog.Timer1->isActive());
    dialog.Timer1Timer();
    EXPECT_EQ(CaptionInk(), 0);
    EXPECT_TRUE(PreviewBlank());

    Click(dialog.Button1);
    ASSERT_EQ(prompt.asked.size(), 1u);
    EXPECT_EQ(prompt.asked[0].text, "At least one hole must be selected!");
    EXPECT_EQ(prompt.asked[0].caption, "Warning");
    EXPECT_EQ(prompt.asked[0].icon, Prompt::Icon::Exclamation);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(game.tournament.holeCountMode, kAllHoles);
}

TEST_F(CourseDialogTest, ACheckedBoxShowsItsHoleAndAClearedOneTheHighestLeft) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    struct Step {
        int box;
        const char* fifthItem;
        int shownHole;
    };
    const Step steps[] = {{7, "Selected holes (1)", 7},
                          {3, "Selected holes (2)", 3},
                          {3, "Selected holes (1)", 7},
                          {7, "Selected holes (0)", 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.fifthItem);
        ClickBox(step.box);
        EXPECT_EQ(FifthItem(), step.fifthItem);
        EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kSelectedHoles);
        EXPECT_EQ(game.tournament.currentHole, step.shownHole);
        EXPECT_EQ(game.solid.faceCount, game.course[step.shownHole].faceCount);
        EXPECT_EQ(CaptionInk() > 0, step.shownHole > 0);
        dialog.Timer1Timer();
        EXPECT_EQ(PreviewBlank(), step.shownHole == 0);
    }
}

TEST_F(CourseDialogTest, CaptionNamesTheHoleAndItsParWithTwoBlanks) {
    EXPECT_EQ(PreviewCaption(1, game.course[1]), "Hole 1 - Basic  (par: 2)");
    EXPECT_EQ(PreviewCaption(36, game.course[36]),
              QString("Hole 36 - %1  (par: %2)")
                  .arg(QString::fromStdString(game.course[36].name))
                  .arg(game.course[36].par));
}

TEST_F(CourseDialogTest, CancelPutsTheStoredBoxesBack) {
    game.tournament.holeSelected[4] = 1;
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(2);
    ClickBox(5);
    EXPECT_EQ(FifthItem(), "Selected holes (3)");
    Click(dialog.Button2);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(CheckedBoxes(), std::vector<int>{4});
    EXPECT_EQ(FifthItem(), "Selected holes (1)");
    EXPECT_EQ(game.tournament.holeCountMode, kAllHoles);
}

TEST_F(CourseDialogTest, OkInAnotherCountStoresTheBoxesToo) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(9);
    ClickBox(30);
    Click(dialog.RadioGroup1Items->button(kTwelveHoles));
    Click(dialog.RadioGroup2Items->button(kHoleBackward));
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(VisibleNumberPicture(), 4);
    Click(dialog.Button1);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(game.tournament.holeCountMode, kTwelveHoles);
    EXPECT_EQ(game.tournament.holeOrder, kHoleBackward);
    for (int n = 1; n <= kHoleCount; ++n)
        EXPECT_EQ(game.tournament.holeSelected[n], n == 9 || n == 30) << n;

    Open();
    EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kTwelveHoles);
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    EXPECT_EQ(CheckedBoxes(), std::vector<int>({9, 30}));
    EXPECT_EQ(game.tournament.currentHole, 9);
}

TEST_F(CourseDialogTest, DefaultChoosesThirtySixInSequenceWithOnlyBoxOne) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(5);
    ClickBox(6);
    Click(dialog.RadioGroup2Items->button(kHoleRandom));
    Click(dialog.Button3);

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kAllHoles);
    EXPECT_EQ(dialog.RadioGroup2Items->checkedId(), kHoleSequence);
    EXPECT_EQ(CheckedBoxes(), std::vector<int>{1});
    EXPECT_EQ(FifthItem(), "Selected holes (1)");
    EXPECT_EQ(VisibleNumberPicture(), 6);
    EXPECT_FALSE(dialog.CheckBox[1]->isEnabled());
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(CaptionInk(), 0);
    EXPECT_EQ(game.tournament.holeSelected[1], 0);  // nothing stored before OK
}

TEST_F(CourseDialogTest, ActivationRestartsThePreviewOfAStoredSelection) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(5);
    ClickBox(8);
    Click(dialog.Button1);
    game.tournament.currentHole = 0;

    Open();  // nothing changes, so only the activation shows the lowest selected hole
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(dialog.Timer1->isActive());
    EXPECT_EQ(game.tournament.currentHole, 5);
    EXPECT_GT(CaptionInk(), 0);
}

TEST_F(CourseDialogTest, OpeningAfterTheCloseBoxShowsTheStoredCount) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(12);
    dialog.close();  // nothing stored, nothing restored
    EXPECT_FALSE(dialog.Timer1->isActive());

    Open();
    EXPECT_EQ(dialog.RadioGroup1Items->checkedId(), kAllHoles);
    EXPECT_EQ(CheckedBoxes(), std::vector<int>{});
    EXPECT_EQ(FifthItem(), "Selected holes (0)");
    EXPECT_FALSE(dialog.Timer1->isActive());
}

// A hole of two faces, one behind the other, with cushions all round.
Hole TwoFaceHole() {
    Hole hole;
    hole.name = "Fixture";
    hole.par = 2;
    const int corners[][2] = {{-60, 60}, {60, 60}, {60, 0}, {-60, 0}, {60, -60}, {-60, -60}};
    hole.vertexCount = 6;
    for (int v = 1; v <= 6; ++v) {
        hole.vertexX[v] = corners[v - 1][0];
        hole.vertexY[v] = corners[v - 1][1];
        hole.vertexZ[v] = 10;
    }
    hole.faceCount = 2;
    hole.faceCorners[1] = hole.faceCorners[2] = 4;
    hole.faceVertex[1] = {0, 1, 2, 3, 4};
    hole.faceNeighbour[1] = {0, 0, 0, 2, 0};
    hole.faceVertex[2] = {0, 4, 3, 5, 6};
    hole.faceNeighbour[2] = {0, 1, 0, 0, 0};
    hole.wallColour = Rgb(200, 40, 0);
    return hole;
}

TEST_F(CourseDialogTest, PreviewTurnsByTwoDegreesAndShadesTopFacesInDrawingOrder) {
    course[1] = TwoFaceHole();
    game.view.spin = -2.0f;
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(1);
    dialog.Timer1Timer();

    EXPECT_EQ(game.view.spin, 0.0f);
    EXPECT_EQ(game.view.tilt, -60.0f);
    const QImage& canvas = dialog.Canvas();
    EXPECT_EQ(canvas.pixel(275, 80), qRgb(4, 132, 4));   // the back face, drawn first
    EXPECT_EQ(canvas.pixel(275, 90), qRgb(8, 136, 8));   // the front face
    EXPECT_EQ(canvas.pixel(275, 97), qRgb(200, 40, 0));  // the front wall
    const QRgb face = dialog.palette().color(QPalette::Window).rgb();
    EXPECT_EQ(canvas.pixel(176, 16), face);
    EXPECT_TRUE(dialog.PreviewBitmap().pixel(100, 75) == face);  // blank again after the copy

    for (int tick = 0; tick < 45; ++tick) dialog.Timer1Timer();
    EXPECT_EQ(game.view.spin, 90.0f);

    Click(dialog.RadioGroup1Items->button(kSixHoles));
    EXPECT_FALSE(dialog.Timer1->isActive());
    EXPECT_EQ(qAlpha(dialog.Canvas().pixel(275, 80)), 0);  // the pictures show again
    EXPECT_EQ(VisibleNumberPicture(), 3);
    EXPECT_EQ(game.view.spin, 90.0f);
}

TEST_F(CourseDialogTest, PreviewTicksByItsTimerOnlyWhileOpenInSelectedHoles) {
    Open();
    Click(dialog.RadioGroup1Items->button(kSelectedHoles));
    ClickBox(2);
    const float before = game.view.spin;
    QTest::qWait(120);
    EXPECT_GT(game.view.spin, before);
    dialog.close();
    const float closed = game.view.spin;
    QTest::qWait(60);
    EXPECT_EQ(game.view.spin, closed);
}
}  // namespace
