#include "play/stroke.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
double Length(AimPoint from, AimPoint to) {
    return std::hypot(to.x - from.x, to.y - from.y);
}

TEST(ClampAimEnd, CutsLongLinesToTheLongestLengthOfTheMode) {
    struct Case {
        int mode;
        AimPoint mouse, end;
    };
    const AimPoint start{300, 200};
    const Case cases[] = {
        {kFineStroke, {700, 200}, {550, 200}},   // 400 right -> 250 right
        {kFineStroke, {300, -300}, {300, -50}},  // straight up
        {kFineStroke, {-100, 200}, {50, 200}},   // straight left
        {kFineStroke, {300, 250}, {300, 250}},   // short lines are left alone
        {kStrongStroke, {400, 200}, {350, 200}},
        {kStrongStroke, {300, 300}, {300, 250}},  // straight down
        {kStrongStroke, {200, 100}, {265, 165}},  // up-left: offsets -35.36 cut to -35
        {kStrongStroke, {340, 230}, {340, 230}},  // exactly 50 long: kept
        {kStrongStroke, start, start},            // no drag at all
    };
    for (const Case& c : cases) {
        const AimPoint end = ClampAimEnd(c.mode, start, c.mouse);
        EXPECT_EQ(end.x, c.end.x) << c.mouse.x << "," << c.mouse.y;
        EXPECT_EQ(end.y, c.end.y) << c.mouse.x << "," << c.mouse.y;
    }
}

// Cutting the sums instead of the offsets lets lines pointing left or up grow to about 51.
TEST(ClampAimEnd, NeverExceedsTheLongestLengthInAnyDirection) {
    const AimPoint start{317, 243};
    for (const int mode : {kFineStroke, kStrongStroke}) {
        for (int degrees = 0; degrees < 360; ++degrees) {
            const double radians = degrees * 3.141592653589793 / 180;
            const AimPoint mouse{start.x + int(std::lround(1000 * std::cos(radians))),
                                 start.y - int(std::lround(1000 * std::sin(radians)))};
            const AimPoint end = ClampAimEnd(mode, start, mouse);
            EXPECT_LE(Length(start, end), LongestAimLine(mode)) << mode << " " << degrees;
            EXPECT_GT(Length(start, end), LongestAimLine(mode) - 1.5) << mode << " " << degrees;
        }
    }
}

TEST(StrokeVelocity, StrongestStrokesHaveTheirStrengths) {
    const AimPoint start{300, 200};
    // Horizontal drags are untouched by the tilt: speed = 0.1 x k x sqrt(L) x L.
    const BallVelocity strong = StrokeVelocity(kStrongStroke, 0, -60, start, {350, 200});
    EXPECT_NEAR(strong.vx, -0.1 * 0.8 * std::sqrt(50.0) * 50, 1e-4);  // about -28.3
    EXPECT_EQ(strong.vy, 0.0f);
    const BallVelocity fine = StrokeVelocity(kFineStroke, 0, -60, start, {50, 200});
    EXPECT_NEAR(fine.vx, 0.1 * 0.1 * std::sqrt(250.0) * 250, 1e-4);  // about 39.5
    EXPECT_NEAR(fine.vy, 0.0f, 1e-12);
}

TEST(StrokeVelocity, SendsTheBallAgainstTheDragWithTheTiltUndone) {
    struct Case {
        float spin, tilt;
        AimPoint end;
        float vx, vy;
    };
    const AimPoint start{300, 200};
    const float strength = float(std::sqrt(50.0) * 0.1 * 0.8);  // x 50 pixels of drag
    const Case cases[] = {
        // Screen-down drag at tilt -60 counts double; the ball leaves away from the viewer (+y).
        {0, -60, {300, 250}, 0, 2 * 50 * strength},
        {0, 0, {300, 250}, 0, 50 * strength},
        {0, 0, {300, 150}, 0, -50 * strength},
        // Turned by 90 degrees, a drag to the right sends the ball along +y.
        {90, 0, {350, 200}, 0, 50 * strength},
        {90, 0, {300, 250}, 50 * strength, 0},
    };
    for (const Case& c : cases) {
        const BallVelocity v = StrokeVelocity(kStrongStroke, c.spin, c.tilt, start, c.end);
        EXPECT_NEAR(v.vx, c.vx, 1e-4) << c.spin << " " << c.end.x << "," << c.end.y;
        EXPECT_NEAR(v.vy, c.vy, 1e-4) << c.spin << " " << c.end.x << "," << c.end.y;
    }
}

TEST(StrokeVelocity, ZeroLengthStrokeLeavesTheBallStill) {
    for (const int mode : {kFineStroke, kStrongStroke}) {
        const BallVelocity v = StrokeVelocity(mode, 37, -60, {120, 80}, {120, 80});
        EXPECT_EQ(v.vx, 0.0f);
        EXPECT_EQ(v.vy, 0.0f);
    }
}
}  // namespace
