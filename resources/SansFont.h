#pragma once
// Our one small sans face, 11 pixels high, for the status bar and the About window's buttons; set
// by pixel size like the serif face. Liberation Sans has the metrics of Arial, which the table
// was designed in; the table asks for Arial first.
#include <QFont>
#include <QStringList>

enum class SansFirst { Arial, Liberation };

inline QFont SmallSans(SansFirst first = SansFirst::Arial)
{
    QFont f;
    if (first == SansFirst::Arial)
        f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    else
        f.setFamilies({QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);
    return f;
}
