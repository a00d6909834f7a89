#pragma once
// The table's measures and type: positions come in twips, 15 to a logical pixel; fonts are set by
// pixel size so that they do not change with the screen's DPI.
#include <QColor>
#include <QFont>

#include "resources/Measure.h"
#include "resources/SansFont.h"
#include "resources/SerifFont.h"

// The window's client area, status bar included.
inline constexpr int ClientWidthTwips = 12885;
inline constexpr int ClientHeightTwips = 12180;
inline constexpr int StatusBarHeightPx = 24;

namespace Look {
inline const QColor Table{0, 64, 64};
inline const QColor Line3{255, 128, 128};
inline const QColor NameBack{128, 0, 0};
inline const QColor NameText{255, 255, 192};
inline const QColor StockBack{0, 64, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor BotPanel{255, 128, 128};
inline const QColor PlayerPanel{255, 192, 128};
inline const QColor ValueBack{192, 255, 192};
inline const QColor MeldFrame{128, 128, 0};
inline const QColor MeldFrameText{255, 255, 128};
inline const QColor MeldButton{255, 224, 192};
inline const QColor Green{0, 192, 0};
inline const QColor SortBack{192, 192, 0};
inline const QColor KnockBack{255, 128, 0};
inline const QColor ShapeRed{255, 0, 0};
inline const QColor ButtonFace{240, 240, 240};
}  // namespace Look
