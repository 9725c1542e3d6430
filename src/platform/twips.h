// The window is laid out in twips, as its catalogue is written, and reports mouse positions in
// them; Qt places widgets in logical pixels, fifteen twips each.
#pragma once

#include <QRect>

struct Twips {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr int twipsPerPixel = 15;

constexpr QRect toPixels(Twips t) {
    return {t.left / twipsPerPixel, t.top / twipsPerPixel, t.width / twipsPerPixel, t.height / twipsPerPixel};
}
