#pragma once
// Our one serif face, set by pixel size so that text keeps its size against the pictures and the
// twips around it on every screen. Liberation Serif has the metrics of Times New Roman, which the
// table and the message dialog were designed in; those ask for Times New Roman first.
#include <QFont>
#include <QStringList>
#include <cmath>

enum FontStyle : unsigned { Plain = 0, Bold = 1, Italic = 2, Underline = 4 };

enum class SerifFirst { TimesNewRoman, Liberation };

// A size in points as whole pixels: a point is 4/3 of a pixel.
inline int PointPixels(double points) { return static_cast<int>(std::lround(points * 4.0 / 3.0)); }

inline QFont SerifPixels(int pixels, unsigned style, SerifFirst first = SerifFirst::TimesNewRoman)
{
    QFont f;
    if (first == SerifFirst::TimesNewRoman)
        f.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    else
        f.setFamilies({QStringLiteral("Liberation Serif")});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(pixels);
    f.setBold(style & Bold);
    f.setItalic(style & Italic);
    f.setUnderline(style & Underline);
    return f;
}

inline QFont SerifFont(double points, unsigned style, SerifFirst first = SerifFirst::TimesNewRoman)
{
    return SerifPixels(PointPixels(points), style, first);
}
