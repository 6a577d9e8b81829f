#include "view/neck_hit_test.h"

#include <algorithm>

#include "view/neck_geometry.h"

namespace {

// Tap columns: 28 pixels per string from x = 31, the last one a pixel wider.
int StringAt(int x) {
    if (x < 31 || x > 199) {
        return -1;
    }
    return std::min((x - 31) / 28 + 1, kNeckStrings);
}

int FretAt(int y) {
    if (y < FretY(0) || y > FretY(kNeckFrets) + 37) {
        return -1;
    }
    if (y <= 76) {
        return 0;
    }
    if (y <= 113) {
        return 1;
    }
    // Fret f (2..24) covers 40 + 37 f .. 76 + 37 f.
    return std::min((y - 40) / 37, kNeckFrets);
}

}  // namespace

NeckHit HitTest(int x, int y) {
    return {StringAt(x), FretAt(y)};
}

int SweepHit(int x, int y) {
    if (y <= 36 || y >= 928) {
        return -1;
    }
    for (int s = 1; s <= kNeckStrings; ++s) {
        if (x >= StringX(s) - 3 && x <= StringX(s) + 3) {
            return s;
        }
    }
    return -1;
}

int ScrollIntoViewTarget(int highestFret, int clientHeight) {
    if (highestFret < 5) {
        return 0;
    }
    const int target = FretY(std::min(highestFret, kNeckFrets)) + kLabelHeight - clientHeight;
    return std::clamp(target, 0, std::max(0, kNeckHeight - clientHeight));
}
