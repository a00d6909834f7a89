#pragma once
// The classic light and shadow shades of a raised or sunken edge, shared by every control
// drawn in the old flat style.
#include <QColor>
#include <QPalette>

inline void SetEdgeColours(QPalette& pal)
{
    pal.setColor(QPalette::Light, QColor(255, 255, 255));
    pal.setColor(QPalette::Midlight, QColor(227, 227, 227));
    pal.setColor(QPalette::Mid, QColor(160, 160, 160));
    pal.setColor(QPalette::Dark, QColor(128, 128, 128));
    pal.setColor(QPalette::Shadow, QColor(64, 64, 64));
}
