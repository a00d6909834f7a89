#pragma once
// Positions and sizes of every window are designed in twips, 15 to a logical pixel; Qt's device
// pixel ratio then keeps the drawing crisp on any screen.
#include <QRect>
#include <cmath>

inline constexpr int TwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel, a half going up.
inline int Px(double twips) { return static_cast<int>(std::floor(twips / TwipsPerPixel + 0.5)); }

inline QRect PxRect(double left, double top, double width, double height)
{
    return {Px(left), Px(top), Px(width), Px(height)};
}
