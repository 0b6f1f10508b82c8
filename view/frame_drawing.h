#pragma once

#include "course/colour.h"
#include "course/solid.h"
#include "view/ball_on_screen.h"
#include "view/view_transform.h"

/// The ball sprite moved from one anchor to another: the window repairs the old place,
/// keeps what lies under the new one, then draws the shadow (if asked), mask and frame.
struct BallMove {
    int fromX = 0, fromY = 0;  ///< the previous anchor, in whole pixels
    float toX = 0, toY = 0;    ///< the new anchor
    bool shadow = true;
};

/// What one step of play shows. The window draws the parts that are set into the back
/// buffer in this order, then copies what `show` names to the screen.
struct FrameDrawing {
    enum class Ground {
        Keep,   ///< the picture as it is
        Grass,  ///< grass over the whole picture
        Hole,   ///< grass, then the prepared `scene` of `solid` (faces, walls, rims, cup)
    };
    Ground ground = Ground::Keep;
    const Solid* solid = nullptr;
    const Scene* scene = nullptr;
    Colour wallColour = 0;

    /// After a fresh scene: keep what lies under the ball's last anchor, so that the next
    /// repair brings nothing of the earlier scene back.
    bool saveUnderBall = false;
    float saveX = 0, saveY = 0;

    bool moveBall = false;
    BallMove ball;

    /// The front rim of the cup at (cupX, cupY), over the ball dropping into it.
    bool cupRim = false;
    float cupX = 0, cupY = 0;

    enum class Show {
        Whole,     ///< the whole picture
        BallBoxes  ///< the sprite boxes of the ball's old and new anchor, `shownRows` high
    };
    Show show = Show::Whole;
    int shownRows = kSpriteHeight;
};

/// An aim line of pen width 1 or 3 from the ball to the mouse, in window pixels.
struct AimLine {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0, width = 1;
};
