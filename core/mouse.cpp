#include "core/mouse.hpp"

#include "platform/input.hpp"

namespace kvx {

KVX_MouseState KVX_Mouse;

void KVX_MouseState::Update() {
    X = MouseX();
    Y = MouseY();
    Z = MouseZ();

    if (Z == LastZ) {
        WheelDir = 0;
    } else {
        WheelDir = LastZ < Z ? -1 : 1;
        LastZ = Z;
    }

    LeftHit = MouseHit(1) != 0;
    if (LeftHit) {
        LeftPressX = X;
        LeftPressY = Y;
        LeftReleaseX = LeftReleaseY = -1;
    }
    LeftDownBefore = LeftDown;
    LeftDown = MouseDown(1);
    LeftReleased = LeftDownBefore && !LeftDown;
    if (LeftReleased) {
        LeftPressX = LeftPressY = -1;
        LeftReleaseX = X;
        LeftReleaseY = Y;
    }

    RightHit = MouseHit(2) != 0;
    if (RightHit) {
        RightPressX = X;
        RightPressY = Y;
    }
    RightDownBefore = RightDown;
    RightDown = MouseDown(2);
    RightReleased = RightDownBefore && !RightDown;
    if (RightReleased) RightPressX = RightPressY = -1;
}

int KVX_MouseState::MouseIn(int x, int y, int w, int h, bool pressedInside) const {
    if (X < x || X > x + w || Y < y || Y > y + h) return 0;
    if (pressedInside && (LeftPressX < x || LeftPressX > x + w - 1 || LeftPressY < y || LeftPressY > y + h - 1)) {
        return 0;
    }
    return 1;
}

}  // namespace kvx
