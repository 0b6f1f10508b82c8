#include "records/scoreboard_window.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QTest>
#include <set>

#include "course/catalogue.h"

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kSilver = 0xFFC0C0C0;

class Scoreboard : public ::testing::Test {
protected:
    Scoreboard() { InitCourse(game); }

    /// Players in slots 1..count, all playing, every count and total 0.
    void Seat(int count) {
        for (int p = 1; p <= count; ++p) {
            game.tournament.players[p].name = "Player " + std::to_string(p);
            game.tournament.players[p].status = PlayerStatus::Playing;
        }
    }
    /// `strokes` on course hole `hole` for slot `p`, added to his total.
    void Score(int p, int hole, int strokes) {
        game.tournament.players[p].strokes[hole] = strokes;
        game.tournament.players[p].totalStrokes += strokes;
    }

    QImage Paint() const {
        QImage image(542, 243, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        form.FormPaint(painter);
        return image;
    }

    /// The colours other than white in the box from (x, y), `w` by `h`.
    static std::set<QRgb> Ink(const QImage& image, int x, int y, int w, int h) {
        std::set<QRgb> colours;
        for (int j = y; j < y + h; ++j)
            for (int i = x; i < x + w; ++i)
                if (image.pixel(i, j) != kWhite) colours.insert(image.pixel(i, j));
        return colours;
    }
    /// The inside of row r's cell from x0 + left to x0 + right (r = 0 is the header).
    static std::set<QRgb> CellInk(const QImage& image, int y0, int r, int left, int right) {
        return Ink(image, 12 + left + 1, y0 + 16 * r + 1, right - left - 1, 14);
    }
    /// A hole's count cell in row r.
    static std::set<QRgb> HoleInk(const QImage& image, int y0, int r, int hole) {
        return CellInk(image, y0, r, 100 + 10 * hole, 110 + 10 * hole);
    }

    const Course course = BuildCourse();
    Game game{course};
    TForm5 form{game};
};

const std::set<QRgb> kNoInk;
const std::set<QRgb> kBlackInk = {kBlack};
}  // namespace

TEST_F(Scoreboard, IsAWhiteNonModalWindowWithItsPictureAndButton) {
    EXPECT_EQ(form.windowTitle(), "Scoreboard");
    EXPECT_EQ(form.size(), QSize(542, 243));
    EXPECT_FALSE(form.isModal());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(form.Image1->geometry(), QRect(0, 173, 410, 70));
    EXPECT_EQ(form.Button1->text(), "&OK");
    EXPECT_EQ(form.Button1->geometry(), QRect(440, 192, 75, 25));
    const QImage shown = form.grab().toImage();
    EXPECT_EQ(shown.pixel(530, 2), kWhite);
    EXPECT_NE(Ink(shown, 0, 173, 410, 70), kNoInk);  // the hills
}

TEST_F(Scoreboard, OkAndEscOnTheButtonHideIt) {
    form.show();
    QTest::mouseClick(form.Button1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    form.show();
    form.Button1->setFocus();
    QTest::keyClick(form.Button1, Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Scoreboard, TableSizeFollowsThePlayerCount) {
    struct Case {
        int players, x0, y0, right, bottom;
    };
    for (const Case c : {Case{8, 12, 13, 530, 157}, Case{1, 12, 69, 530, 101}}) {
        for (int p = 1; p <= 8; ++p) game.tournament.players[p] = PlayerRecord();
        Seat(c.players);
        const QImage image = Paint();
        const int midY = (c.y0 + c.bottom) / 2, midX = 300;
        // The thick frame covers its line and the pixel before it.
        EXPECT_EQ(image.pixel(c.x0, midY), kBlack) << c.players;
        EXPECT_EQ(image.pixel(c.x0 - 1, midY), kBlack) << c.players;
        EXPECT_EQ(image.pixel(c.x0 - 2, midY), kWhite) << c.players;
        EXPECT_EQ(image.pixel(c.right, midY), kBlack) << c.players;
        EXPECT_EQ(image.pixel(c.right + 1, midY), kWhite) << c.players;
        EXPECT_EQ(image.pixel(midX + 5, c.y0), kBlack) << c.players;
        EXPECT_EQ(image.pixel(midX + 5, c.y0 - 2), kWhite) << c.players;
        EXPECT_EQ(image.pixel(midX + 5, c.bottom), kBlack) << c.players;
        EXPECT_EQ(image.pixel(midX + 5, c.bottom + 1), kWhite) << c.players;
        // The header line, thick, and the row lines, thin.
        EXPECT_EQ(image.pixel(midX + 5, c.y0 + 15), kBlack);
        for (int r = 1; r < c.players; ++r) {
            EXPECT_EQ(image.pixel(midX + 5, c.y0 + 16 + 16 * r), kBlack) << r;
            EXPECT_EQ(image.pixel(midX + 5, c.y0 + 15 + 16 * r), kWhite) << r;
        }
    }
}

TEST_F(Scoreboard, HeaderJoinsTheCellsOfHolesNineToThirtySixInPairs) {
    Seat(2);
    const QImage image = Paint();
    // Above the labels, so that only lines show there.
    const int y0 = 61, headerMid = y0 + 1, rowMid = y0 + 24;
    for (int k = 1; k <= 36; ++k) {
        const int x = 12 + 110 + 10 * k;
        const bool separated = k <= 8 || k % 2 == 0;
        EXPECT_EQ(image.pixel(x, headerMid), separated ? kBlack : kWhite) << k;
        EXPECT_EQ(image.pixel(x, rowMid), kBlack) << k;  // every hole has its cell below
        EXPECT_EQ(image.pixel(x - 10, rowMid), kBlack) << k;
    }
    // "#", "Name", 1..8 each in its column, the even holes from 10 on as two digits across
    // their pair, "Total" over total and par.
    EXPECT_EQ(CellInk(image, y0, 0, 0, 10), kBlackInk);
    EXPECT_EQ(CellInk(image, y0, 0, 10, 110), kBlackInk);
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(HoleInk(image, y0, 0, k), kBlackInk) << k;
    for (int k = 10; k <= 36; k += 2) {
        EXPECT_EQ(Ink(image, 12 + 10 * k + 93, y0 + 1, 7, 14), kBlackInk) << k;   // tens
        EXPECT_EQ(Ink(image, 12 + 10 * k + 101, y0 + 1, 7, 14), kBlackInk) << k;  // units
    }
    EXPECT_EQ(CellInk(image, y0, 0, 470, 518), kBlackInk);
    // No line splits total and par in the header; one does in the rows.
    EXPECT_EQ(image.pixel(12 + 494, headerMid), kWhite);
    EXPECT_EQ(image.pixel(12 + 494, rowMid), kBlack);
    // Header labels are bold: the hole number "1" has more ink than a count "1" below it.
    game.tournament.players[1].strokes[1] = 1;
    const QImage withCount = Paint();
    const auto blackPixels = [&](int top) {
        int count = 0;
        for (int j = top; j < top + 14; ++j)
            for (int i = 12 + 111; i < 12 + 120; ++i) count += withCount.pixel(i, j) == kBlack;
        return count;
    };
    EXPECT_GT(blackPixels(y0 + 1), blackPixels(y0 + 17));
}

TEST_F(Scoreboard, TournamentJustStartedShowsPlaceOneNoCountsNoTotalAndZeroAgainstPar) {
    Seat(3);
    game.tournament.currentHole = 1;
    game.playState = PlayState::Aiming;
    const QImage image = Paint();
    const int y0 = 53;
    const QImage firstPlace = image.copy(13, y0 + 17, 9, 14);
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(image.copy(13, y0 + 16 * r + 1, 9, 14), firstPlace) << r;
        EXPECT_EQ(CellInk(image, y0, r, 0, 10), kBlackInk) << r;
        EXPECT_EQ(CellInk(image, y0, r, 10, 110), kBlackInk) << r;  // the name
        for (int k = 1; k <= 36; ++k) EXPECT_EQ(HoleInk(image, y0, r, k), kNoInk) << r << k;
        EXPECT_EQ(CellInk(image, y0, r, 470, 494), kNoInk) << r;
        EXPECT_EQ(Ink(image, 12 + 495, y0 + 16 * r + 1, 8, 14), kNoInk) << r;     // no sign
        EXPECT_EQ(Ink(image, 12 + 503, y0 + 16 * r + 1, 8, 14), kBlackInk) << r;  // "0"
    }
}

TEST_F(Scoreboard, RunningCountIsSilverUntilThePlayerHasFinishedTheHole) {
    Seat(2);
    game.tournament.currentHole = 3;
    Score(1, 2, 3);
    Score(2, 2, 4);
    Score(1, 3, 2);  // slot 1 is still on hole 3
    Score(2, 3, 1);  // slot 2 has holed out
    game.tournament.players[2].status = PlayerStatus::Finished;
    game.playState = PlayState::Rolling;
    const int y0 = 61;
    // Slot 1 has 5 strokes, slot 2 has 5: slot 1 comes first.
    QImage image = Paint();
    EXPECT_EQ(HoleInk(image, y0, 1, 3), (std::set<QRgb>{kSilver}));
    EXPECT_EQ(HoleInk(image, y0, 1, 2), kBlackInk);
    EXPECT_EQ(HoleInk(image, y0, 2, 3), kBlackInk);

    game.tournament.players[1].status = PlayerStatus::Finished;
    image = Paint();
    EXPECT_EQ(HoleInk(image, y0, 1, 3), kBlackInk);

    // A stopped or finished tournament shows every count in black.
    for (PlayState state : {PlayState::Idle, PlayState::TournamentOver}) {
        game.tournament.players[1].status = PlayerStatus::Playing;
        game.playState = state;
        EXPECT_EQ(HoleInk(Paint(), y0, 1, 3), kBlackInk);
    }
}

TEST_F(Scoreboard, TotalsAreDrawnDigitByDigitAndTheResultAgainstParWithItsSign) {
    // Hole 1 ("Basic") has par 2.
    ASSERT_EQ(game.course[1].par, 2);
    struct Case {
        int total;
        bool hundreds, tens;
        int strokesOnHole1;  // the par sum is 2 when this is not 0
        bool minus, plus;
    };
    const Case cases[] = {
        {123, true, true, 9, false, true}, {105, true, true, 9, false, true},
        {99, false, true, 9, false, true}, {5, false, false, 5, false, true},
        {1, false, false, 1, true, false}, {2, false, false, 2, false, false},
    };
    const int y0 = 69;
    for (const Case& c : cases) {
        game.tournament.players[1] = PlayerRecord();
        Seat(1);
        game.tournament.players[1].strokes[1] = c.strokesOnHole1;
        game.tournament.players[1].totalStrokes = c.total;
        const QImage image = Paint();
        const int top = y0 + 17;
        EXPECT_EQ(Ink(image, 12 + 472, top, 7, 14), c.hundreds ? kBlackInk : kNoInk) << c.total;
        EXPECT_EQ(Ink(image, 12 + 479, top, 7, 14), c.tens ? kBlackInk : kNoInk) << c.total;
        EXPECT_EQ(Ink(image, 12 + 486, top, 7, 14), kBlackInk) << c.total;
        // "-" at 498 and "+" at 497: both start in the columns 497..502.
        EXPECT_EQ(Ink(image, 12 + 495, top, 8, 14), c.minus || c.plus ? kBlackInk : kNoInk)
            << c.total;
        EXPECT_EQ(Ink(image, 12 + 503, top, 8, 14), kBlackInk) << c.total;
    }
}
