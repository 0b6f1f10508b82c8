#include "view/ball_on_screen.h"

#include <cstdlib>

int BallFrameIndex(float screen) {
    return std::abs(static_cast<int>(screen - 4 * static_cast<int>(screen * 0.25f)));
}
