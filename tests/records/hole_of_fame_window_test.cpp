#include "records/hole_of_fame_window.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>

#include "course/catalogue.h"
#include "records/enter_result.h"

namespace {
constexpr int kTop = 39, kHeight = 176;

class HoleOfFameWindowTest : public ::testing::Test {
protected:
    HoleOfFameWindowTest() { InitCourse(game_); }

    // The window's client area as it paints now, for list `item`.
    QImage Picture(const QString& item) {
        window_.ComboBox1->setCurrentText(item);
        QImage image(542, 293, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        window_.FormPaint(painter);
        return image;
    }
    static bool Dark(const QImage& image, int x, int y) { return qGray(image.pixel(x, y)) < 128; }
    // The leftmost and rightmost dark pixels of a row.
    static std::pair<int, int> InkSpan(const QImage& image, int y, int from = 0, int to = 542) {
        int left = -1, right = -1;
        for (int x = from; x < to; ++x) {
            if (!Dark(image, x, y)) continue;
            if (left < 0) left = x;
            right = x;
        }
        return {left, right};
    }
    // The leftmost dark column within [from, to) over a table row's text.
    static int InkLeft(const QImage& image, int place, int from, int to) {
        int left = -1;
        for (int y = kTop + 16 * place + 2; y < kTop + 16 * place + 15; ++y) {
            const int x = InkSpan(image, y, from, to).first;
            if (x >= 0 && (left < 0 || x < left)) left = x;
        }
        return left;
    }
    void EnterSeries(int series, int strokesEach, const std::string& name) {
        FameResult result;
        result.series = series;
        result.name = name;
        result.total = 0;
        for (int k = 1; k <= kSeriesHoles[series]; ++k)
            result.total += (result.strokes[k] = strokesEach);
        EnterResult(game_.fame, result);
    }

    const Course course_ = BuildCourse();
    Game game_{course_};
    TForm6 window_{game_};
};

TEST_F(HoleOfFameWindowTest, ControlsStandWhereTheyBelong) {
    EXPECT_EQ(window_.windowTitle(), "Hole of Fame");
    EXPECT_EQ(window_.size(), QSize(542, 293));
    EXPECT_EQ(window_.Label1->text(), "Show the best results for:");
    EXPECT_EQ(window_.Label1->pos(), QPoint(8, 10));
    EXPECT_EQ(window_.ComboBox1->geometry().topLeft(), QPoint(136, 8));
    EXPECT_EQ(window_.ComboBox1->width(), 65);
    EXPECT_FALSE(window_.ComboBox1->isEditable());
    ASSERT_EQ(window_.ComboBox1->count(), 40);
    EXPECT_EQ(window_.ComboBox1->itemText(0), "36 holes");
    EXPECT_EQ(window_.ComboBox1->itemText(3), "6 holes");
    EXPECT_EQ(window_.ComboBox1->itemText(4), "hole 1");
    EXPECT_EQ(window_.ComboBox1->itemText(39), "hole 36");
    EXPECT_EQ(window_.ComboBox1->currentIndex(), 0);
    EXPECT_EQ(window_.CourseName->pos(), QPoint(208, 10));
    EXPECT_EQ(window_.Button1->text(), "&OK");
    EXPECT_TRUE(window_.Button1->isDefault());
    EXPECT_EQ(window_.Button1->geometry(), QRect(440, 240, 75, 25));
    EXPECT_EQ(window_.Image1->geometry(), QRect(0, 223, 410, 70));
    EXPECT_EQ(window_.palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(HoleOfFameWindowTest, TableWidthAndPlaceFollowTheList) {
    struct Case {
        const char* item;
        int x0, width;
    };
    const Case cases[] = {
        {"hole 12", 187, 168}, {"6 holes", 127, 288}, {"12 holes", 67, 408},
        {"18 holes", 7, 528},  {"36 holes", 7, 528},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        const QImage image = Picture(c.item);
        // The border is two pixels wide, drawn on x0 and on x0 + W.
        const auto [left, right] = InkSpan(image, kTop + 8 * 16 + 8);
        EXPECT_EQ(left, c.x0 - 1);
        EXPECT_EQ(right, c.x0 + c.width);
        EXPECT_TRUE(Dark(image, c.x0 + c.width / 2, kTop));
        EXPECT_TRUE(Dark(image, c.x0 + c.width / 2, kTop + kHeight));
        EXPECT_FALSE(Dark(image, c.x0 + c.width / 2, kTop + kHeight + 2));
    }
}

TEST_F(HoleOfFameWindowTest, HoleColumnsAreTwentyOrTenPixelsWide) {
    // Across a body row, the lines stand at the hole columns' edges.
    const auto columnLines = [&](const QImage& image, int x0, int first, int step, int count) {
        const int y = kTop + 16 * 5 + 8;
        for (int k = 0; k <= count; ++k)
            EXPECT_TRUE(Dark(image, x0 + first + step * k, y)) << "line " << k;
        EXPECT_FALSE(Dark(image, x0 + first + step / 2, y));
    };
    columnLines(Picture("18 holes"), 7, 120, 20, 18);
    columnLines(Picture("36 holes"), 7, 120, 10, 36);
    // Odd holes past 8 of the 36 have no line through the header.
    const QImage all = Picture("36 holes");
    EXPECT_TRUE(Dark(all, 7 + 120 + 10 * 8, kTop + 8));
    EXPECT_FALSE(Dark(all, 7 + 120 + 10 * 9, kTop + 8));
    EXPECT_TRUE(Dark(all, 7 + 120 + 10 * 10, kTop + 8));
}

TEST_F(HoleOfFameWindowTest, ClearedStoreShowsOnlyTheHeader) {
    const QImage image = Picture("6 holes");
    for (int place = 1; place <= 10; ++place)
        EXPECT_EQ(InkLeft(image, place, 127 + 2, 127 + 20), -1) << "place " << place;
    EXPECT_NE(InkLeft(image, 0, 127 + 2, 127 + 20), -1);  // the "#" of the header
}

TEST_F(HoleOfFameWindowTest, PlacesNamesAndResultsAgainstPar) {
    // Par of holes 1..6 from the course; entries 12 over, 3 over, and places 1..10.
    int par = 0;
    for (int k = 1; k <= 6; ++k) par += game_.course[k].par;
    FameList& list = game_.fame.series[kSeries6];
    for (int i = 1; i <= 10; ++i) {
        list[i].place = i;
        list[i].name = "P";
        list[i].total = par + (i == 1 ? 12 : 3);
        for (int k = 1; k <= 6; ++k) list[i].strokes[k] = 3;
    }
    const QImage image = Picture("6 holes");
    const int x0 = 127;
    // "1" of place 1 and the "1" of "10" differ by six pixels.
    EXPECT_EQ(InkLeft(image, 1, x0 + 2, x0 + 19) - InkLeft(image, 10, x0 + 2, x0 + 19), 6);
    // "+" of 12 over par stands 7 pixels left of the one of 3 over.
    const int parColumn = x0 + 20 * 6 + 144;
    EXPECT_EQ(InkLeft(image, 2, parColumn + 1, parColumn + 12) -
                  InkLeft(image, 1, parColumn + 1, parColumn + 12),
              7);
}

TEST_F(HoleOfFameWindowTest, SharedPlacesShowTheirNumberEachTime) {
    for (int strokes : {2, 3, 3, 3}) {
        FameResult result;
        result.hole = 12;
        result.name = "Ann";
        result.strokes[1] = strokes;
        EnterResult(game_.fame, result);
    }
    const QImage image = Picture("hole 12");
    const int x0 = 187;
    EXPECT_EQ(window_.CourseName->text().toStdString(), game_.course[12].name);
    const int shared = InkLeft(image, 2, x0 + 2, x0 + 19);
    EXPECT_NE(shared, -1);
    EXPECT_EQ(InkLeft(image, 3, x0 + 2, x0 + 19), shared);
    EXPECT_EQ(InkLeft(image, 4, x0 + 2, x0 + 19), shared);
    EXPECT_EQ(InkLeft(image, 5, x0 + 2, x0 + 19), -1);
    // The strokes under "Total", and the result against par beside them.
    EXPECT_NE(InkLeft(image, 1, x0 + 121, x0 + 143), -1);
    EXPECT_NE(InkLeft(image, 1, x0 + 145, x0 + 167), -1);
    Picture("6 holes");
    EXPECT_TRUE(window_.CourseName->text().isEmpty());
}

TEST_F(HoleOfFameWindowTest, OkEscAndTheCloseBoxCloseAndTheChoiceStays) {
    window_.show();
    window_.ComboBox1->setCurrentIndex(7);
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_FALSE(window_.isVisible());
    window_.show();
    EXPECT_EQ(window_.ComboBox1->currentText(), "hole 4");
    QTest::mouseClick(window_.Button1, Qt::LeftButton);
    EXPECT_FALSE(window_.isVisible());
    window_.show();
    window_.close();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(window_.ComboBox1->currentIndex(), 7);
}
}  // namespace
