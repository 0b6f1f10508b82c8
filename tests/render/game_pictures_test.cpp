// The embedded pictures: every one there at its size and depth, the same bytes as a fresh
// drawing, and the properties the game relies on (ball inside its mask, the splash green
// under the ball's path, a grass tile without seams, a free strip on the credits).
#include "render/game_pictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>
#include <cmath>
#include <stdexcept>
#include <string>

#include "render/picture_names.h"
#include "tools/generators/pictures/app_icon_art.h"
#include "tools/generators/pictures/credits_art.h"
#include "tools/generators/pictures/game_picture_set.h"
#include "tools/generators/pictures/splash_art.h"

namespace {
QByteArray EmbeddedBytes(std::string_view name) {
    QFile file(
        QStringLiteral(":/pictures/%1.png").arg(QString::fromUtf8(name.data(), name.size())));
    (void)GamePicture(name);  // makes sure the resources are registered
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool IsBlack(QRgb pixel) {
    return (pixel & 0xFFFFFF) == 0;
}

int Luminance(QRgb pixel) {
    return (qRed(pixel) * 30 + qGreen(pixel) * 59 + qBlue(pixel) * 11) / 100;
}

// Mean brightness difference between column (or row) a and b of a tile.
double MeanStep(const QImage& tile, int a, int b, bool columns) {
    double sum = 0;
    for (int i = 0; i < tile.height(); ++i) {
        const QRgb p = columns ? tile.pixel(a, i) : tile.pixel(i, a);
        const QRgb q = columns ? tile.pixel(b, i) : tile.pixel(i, b);
        sum += std::abs(Luminance(p) - Luminance(q));
    }
    return sum / tile.height();
}
}  // namespace

TEST(GamePictures, EveryPictureIsEmbeddedAtItsSizeAndDepth) {
    for (const PictureEntry& entry : kGamePictures) {
        const QImage picture = GamePicture(entry.name);
        std::string problem;
        EXPECT_TRUE(MatchesEntry(picture, entry, problem)) << entry.name << " " << problem;
    }
}

TEST(GamePictures, UnknownNamesFailLoudly) {
    EXPECT_THROW(GamePicture("splsh"), std::invalid_argument);
    EXPECT_THROW(GamePicture(""), std::invalid_argument);
    EXPECT_THROW(MenuIconPicture("quit"), std::invalid_argument);
}

TEST(GamePictures, EmbeddedBytesAreThoseOfAFreshDrawing) {
    for (const PictureEntry& entry : kGamePictures)
        EXPECT_EQ(EmbeddedBytes(entry.name), PngBytes(DrawGamePicture(entry.name))) << entry.name;
}

TEST(GamePictures, EveryBallFrameFillsExactlyTheMask) {
    const QImage sheet = GamePictureRgb32("balls");
    const QImage mask = GamePictureRgb32("ballmask");
    for (int cell = 0; cell < 16; ++cell) {
        const int left = 16 * (cell % 4), top = 16 * (cell / 4);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                EXPECT_EQ(IsBlack(mask.pixel(x, y)), !IsBlack(sheet.pixel(left + x, top + y)))
                    << "cell " << cell << " at " << x << ", " << y;
    }
    // The 15-pixel circle in the top left: the middle row runs from x 0 to 14.
    EXPECT_TRUE(IsBlack(mask.pixel(0, 7)));
    EXPECT_TRUE(IsBlack(mask.pixel(14, 7)));
    EXPECT_FALSE(IsBlack(mask.pixel(15, 7)));
    EXPECT_FALSE(IsBlack(mask.pixel(7, 15)));
}

TEST(GamePictures, NeighbouringBallFramesShowTheDimplesMoved) {
    const QImage sheet = GamePicture("balls");
    for (int cell = 0; cell < 16; ++cell) {
        const int next = (cell % 4 == 3) ? cell - 3 : cell + 1;
        const QImage a = sheet.copy(16 * (cell % 4), 16 * (cell / 4), 16, 16);
        const QImage b = sheet.copy(16 * (next % 4), 16 * (next / 4), 16, 16);
        EXPECT_NE(a, b) << "cells " << cell << " and " << next;
    }
}

TEST(GamePictures, SplashBallLiesInsideItsMaskAndStandsOutOnTheGreen) {
    const QImage ball = GamePictureRgb32("sball");
    const QImage mask = GamePictureRgb32("sballmask");
    const QImage splash = GamePictureRgb32("splash");
    int ballLight = 0, ballPixels = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            EXPECT_EQ(IsBlack(mask.pixel(x, y)), !IsBlack(ball.pixel(x, y))) << x << ", " << y;
            if (!IsBlack(ball.pixel(x, y))) ballLight += Luminance(ball.pixel(x, y)), ++ballPixels;
        }
    int greenLight = 0, greenPixels = 0;
    for (int y = kSplashGreenTop; y <= kSplashGreenBottom; ++y)
        for (int x = kSplashGreenLeft; x < kSplashGreenRight; ++x) {
            const QRgb pixel = splash.pixel(x, y);
            EXPECT_GT(qGreen(pixel), qRed(pixel) + 30) << "not green at " << x << ", " << y;
            EXPECT_GT(qGreen(pixel), qBlue(pixel) + 30) << "not green at " << x << ", " << y;
            greenLight += Luminance(pixel), ++greenPixels;
        }
    EXPECT_GT(ballLight / ballPixels, greenLight / greenPixels + 60);
}

TEST(GamePictures, GrassTilesWithoutSeams) {
    const QImage grass = GamePictureRgb32("gras");
    for (bool columns : {true, false}) {
        double inside = 0;
        for (int i = 0; i < 63; ++i) inside += MeanStep(grass, i, i + 1, columns);
        inside /= 63;
        // Across the seam the tile changes no more than between any two neighbours inside.
        EXPECT_LT(MeanStep(grass, 63, 0, columns), inside * 1.5) << (columns ? "columns" : "rows");
        EXPECT_GT(inside, 2.0) << "the grass has some texture";
    }
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb pixel = grass.pixel(x, y);
            ASSERT_GT(qGreen(pixel), qRed(pixel));
            ASSERT_LT(qGreen(pixel), 160) << "dark green";
        }
}

TEST(GamePictures, CreditsLeaveTheBottomStripBlack) {
    const QImage credits = GamePictureRgb32("credits");
    for (int y = kCreditsStripTop + 1; y < 256; ++y)
        for (int x = 0; x < 256; ++x) ASSERT_TRUE(IsBlack(credits.pixel(x, y))) << x << ", " << y;
}

TEST(GamePictures, ApplicationIconIsAWellFormedSvgAndEverySize) {
    QXmlStreamReader svg(QByteArray::fromStdString(ApplicationIconSvg()));
    int shapes = 0;
    while (!svg.atEnd())
        if (svg.readNext() == QXmlStreamReader::StartElement &&
            (svg.name() == u"rect" || svg.name() == u"ellipse" || svg.name() == u"polygon"))
            ++shapes;
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_GE(shapes, 5);
    const QIcon icon = ApplicationIcon();
    for (int size : kApplicationIconSizes)
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
}
