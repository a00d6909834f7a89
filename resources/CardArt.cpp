// The game's pictures: each is painted once per device pixel ratio and kept, so a card box that
// changes its picture a thousand times a game never waits for a painter.
#include <QHash>
#include <QImage>
#include <functional>

#include "engine/cards/Cards.h"
#include "engine/state/TableModel.h"
#include "resources/ArtParts.h"
#include "resources/CardArt.h"

namespace {

enum class Kind { Table, Dialog, Help, Window };

inline constexpr int DialogIconCount = 3;
inline constexpr int SuitCount = 4;
inline constexpr int MaxWindowIconSize = 1024;

qreal SaneRatio(qreal dpr)
{
    // A ratio the screen cannot have would make an empty or an enormous picture.
    return dpr > 0.0 && dpr <= 16.0 ? dpr : 1.0;
}

QPixmap Paint(QSize logical, qreal dpr, const std::function<void(QPainter&)>& draw)
{
    QImage image(qRound(logical.width() * dpr), qRound(logical.height() * dpr), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        draw(p);
    }
    return QPixmap::fromImage(image);
}

QPixmap Cached(Kind kind, int number, qreal dpr, QSize logical, const std::function<void(QPainter&)>& draw)
{
    static QHash<QString, QPixmap> cache;
    dpr = SaneRatio(dpr);
    const QString key = QStringLiteral("%1/%2/%3").arg(int(kind)).arg(number).arg(dpr, 0, 'g', 6);
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    return *cache.insert(key, Paint(logical, dpr, draw));
}

bool IsCard(int k) { return k >= 1 && k <= CardCount; }
bool IsSuit(int image) { return image > ImageSuitBase && image <= ImageSuitBase + SuitCount; }

}  // namespace

QSize TablePictureSize(int image)
{
    if (IsCard(image))
        return CardFaceSize;
    if (image == ImageBack)
        return CardBackSize;
    if (IsSuit(image) || image == PictureNoTrumps)
        return SuitPictureSize;
    return {};
}

QPixmap TablePicture(int image, qreal dpr)
{
    const QSize size = TablePictureSize(image);
    if (IsCard(image))
        return Cached(Kind::Table, image, dpr, size, [image](QPainter& p) { PaintCardFace(p, image); });
    if (image == ImageBack)
        return Cached(Kind::Table, image, dpr, size, [](QPainter& p) { PaintCardBack(p); });
    if (IsSuit(image)) {
        const int suit = image - ImageSuitBase;
        return Cached(Kind::Table, image, dpr, size, [suit](QPainter& p) { PaintSuitSymbol(p, suit); });
    }
    if (image == PictureNoTrumps)
        return Cached(Kind::Table, image, dpr, size, [](QPainter& p) { PaintNoTrumps(p); });
    return {};
}

QPixmap DialogIconPicture(int icon, qreal dpr)
{
    if (icon < 1 || icon > DialogIconCount)
        return {};
    return Cached(Kind::Dialog, icon, dpr, DialogIconSize, [icon](QPainter& p) { PaintDialogIcon(p, icon); });
}

QPixmap HelpCardPicture(int cardIndex, qreal dpr)
{
    if (!IsCard(cardIndex))
        return {};
    return Cached(Kind::Help, cardIndex, dpr, HelpCardSize, [cardIndex](QPainter& p) { PaintHelpCard(p, cardIndex); });
}

QPixmap WindowIconPicture(int logicalSize, qreal dpr)
{
    if (logicalSize < 1 || logicalSize > MaxWindowIconSize)
        return {};
    return Cached(Kind::Window, logicalSize, dpr, QSize(logicalSize, logicalSize),
                  [logicalSize](QPainter& p) { PaintWindowIcon(p, logicalSize); });
}

QIcon WindowIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 32, 48, 64})
            i.addPixmap(WindowIconPicture(size, 1.0));
        return i;
    }();
    return icon;
}
