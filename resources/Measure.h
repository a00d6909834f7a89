#pragma once
// Positions and sizes of every window are designed in twips, 15 to a logical pixel; Qt's device
// pixel ratio then keeps the drawing crisp on any screen.
inline constexpr int TwipsPerPixel = 15;
