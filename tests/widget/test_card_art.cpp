// The pictures: each card recognisable and distinct, the right size on every screen, the red
// suits red and the black ones black.
#include <QtTest>

#include "engine/cards/Cards.h"
#include "engine/state/TableModel.h"
#include "resources/CardArt.h"

namespace {

enum Family { Table, Dialog, Help, Window };

QPixmap Picture(int family, int number, qreal dpr)
{
    switch (family) {
    case Table: return TablePicture(number, dpr);
    case Dialog: return DialogIconPicture(number, dpr);
    case Help: return HelpCardPicture(number, dpr);
    default: return WindowIconPicture(number, dpr);
    }
}

QImage Image(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_ARGB32); }

bool IsRed(QRgb c) { return qAlpha(c) > 200 && qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100; }
bool IsBlack(QRgb c) { return qAlpha(c) > 200 && qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80; }
bool IsWhite(QRgb c) { return qAlpha(c) > 200 && qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230; }
bool IsLight(QRgb c) { return qAlpha(c) > 200 && qRed(c) + qGreen(c) + qBlue(c) > 600; }

int Count(const QImage& img, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// Share of pixels that differ noticeably where two images overlap, both laid from the top left.
double Difference(const QImage& a, const QImage& b)
{
    const QSize overlap = a.size().boundedTo(b.size());
    int differ = 0;
    for (int y = 0; y < overlap.height(); ++y)
        for (int x = 0; x < overlap.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q)) +
                          qAbs(qAlpha(p) - qAlpha(q));
            differ += d > 48 ? 1 : 0;
        }
    return double(differ) / (overlap.width() * overlap.height());
}

QColor Mean(const QImage& img, const QRect& area)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x, ++n) {
            const QRgb c = img.pixel(x, y);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    return QColor(int(r / n), int(g / n), int(b / n));
}

int Distance(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

int SuitOf(int card) { return SuitDiamonds + (card - 1) / 12; }
bool RedSuit(int suit) { return suit == SuitDiamonds || suit == SuitHearts; }

}  // namespace

class CardArtTest : public QObject {
    Q_OBJECT
private slots:
    void sizes_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("number");
        QTest::addColumn<QSize>("logical");
        QTest::addColumn<qreal>("dpr");
        const struct { const char* name; int family, number; QSize size; } pictures[] = {
            {"first face", Table, 1, QSize(71, 96)}, {"last face", Table, 48, QSize(71, 96)},
            {"back", Table, ImageBack, QSize(72, 98)}, {"diamond", Table, 50, SuitPictureSize},
            {"spade", Table, 53, SuitPictureSize}, {"no trumps", Table, PictureNoTrumps, SuitPictureSize},
            {"cards icon", Dialog, 1, DialogIconSize}, {"info icon", Dialog, 3, DialogIconSize},
            {"help face", Help, 25, HelpCardSize}, {"window icon 16", Window, 16, QSize(16, 16)},
            {"window icon 64", Window, 64, QSize(64, 64)},
        };
        for (const auto& p : pictures)
            for (qreal dpr : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("%s at %g", p.name, dpr) << p.family << p.number << p.size << dpr;
    }
    void sizes()
    {
        QFETCH(int, family);
        QFETCH(int, number);
        QFETCH(QSize, logical);
        QFETCH(qreal, dpr);
        const QPixmap p = Picture(family, number, dpr);
        QCOMPARE(p.size(), QSize(qRound(logical.width() * dpr), qRound(logical.height() * dpr)));
        QCOMPARE(p.devicePixelRatio(), dpr);
        QCOMPARE(p.deviceIndependentSize().toSize(), logical);
    }

    void numbersWithoutPicture_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("number");
        QTest::newRow("table 0") << int(Table) << 0;
        QTest::newRow("table 55") << int(Table) << 55;
        QTest::newRow("table -1") << int(Table) << -1;
        QTest::newRow("dialog 0") << int(Dialog) << 0;
        QTest::newRow("dialog 4") << int(Dialog) << 4;
        QTest::newRow("help 0") << int(Help) << 0;
        QTest::newRow("help back") << int(Help) << 49;
        QTest::newRow("window 0") << int(Window) << 0;
    }
    void numbersWithoutPicture()
    {
        QFETCH(int, family);
        QFETCH(int, number);
        QVERIFY(Picture(family, number, 1.0).isNull());
    }

    void insaneRatioFallsBackToOne()
    {
        QCOMPARE(TablePicture(1, 0.0).size(), QSize(71, 96));
        QCOMPARE(TablePicture(1, -2.0).size(), QSize(71, 96));
    }

    void copiesAlikeOthersDistinct_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<qreal>("dpr");
        QTest::newRow("table faces") << int(Table) << 1.0;
        QTest::newRow("table faces, dpr 2") << int(Table) << 2.0;
        QTest::newRow("help faces") << int(Help) << 1.0;
    }
    void copiesAlikeOthersDistinct()
    {
        QFETCH(int, family);
        QFETCH(qreal, dpr);
        QList<QImage> faces;
        for (int k = 1; k <= CardCount; ++k)
            faces.append(Image(Picture(family, k, dpr)));
        for (int a = 1; a <= CardCount; ++a)
            for (int b = a + 1; b <= CardCount; ++b) {
                const bool copies = (a - 1) / 2 == (b - 1) / 2;
                if (copies)
                    QVERIFY2(faces[a - 1] == faces[b - 1], qPrintable(QStringLiteral("copies %1, %2").arg(a).arg(b)));
                else
                    QVERIFY2(Difference(faces[a - 1], faces[b - 1]) > 0.01,
                             qPrintable(QStringLiteral("cards %1 and %2 look alike").arg(a).arg(b)));
            }
    }

    void backDiffersFromEveryFace()
    {
        const QImage back = Image(TablePicture(ImageBack, 1.0));
        for (int k = 1; k <= CardCount; ++k)
            QVERIFY2(Difference(back, Image(TablePicture(k, 1.0))) > 0.3, qPrintable(QString::number(k)));
    }

    void inkOfEachSuit_data()
    {
        QTest::addColumn<int>("card");
        for (int k = 1; k <= CardCount; ++k)
            QTest::addRow("card %d", k) << k;
    }
    void inkOfEachSuit()
    {
        // Both corner indexes, in the suit's ink: the top left one and the bottom right one.
        QFETCH(int, card);
        const QImage face = Image(TablePicture(card, 1.0));
        const QRect topLeft(1, 2, 17, 33);
        const QRect bottomRight(face.width() - 18, face.height() - 35, 17, 33);
        const bool red = RedSuit(SuitOf(card));
        for (const QRect& corner : {topLeft, bottomRight}) {
            const int reds = Count(face, corner, IsRed), blacks = Count(face, corner, IsBlack);
            QVERIFY2((red ? reds : blacks) > 40, qPrintable(QStringLiteral("%1 red, %2 black").arg(reds).arg(blacks)));
            QCOMPARE(red ? blacks : reds, 0);
        }
        const QImage help = Image(HelpCardPicture(card, 1.0));
        QVERIFY(Count(help, QRect(1, 1, 14, 26), red ? IsRed : IsBlack) > 25);
    }

    void courtCardsDifferAtAGlance_data()
    {
        QTest::addColumn<int>("suit");
        QTest::newRow("Diamonds") << SuitDiamonds;
        QTest::newRow("Clubs") << SuitClubs;
        QTest::newRow("Hearts") << SuitHearts;
        QTest::newRow("Spades") << SuitSpades;
    }
    void courtCardsDifferAtAGlance()
    {
        // King, Queen and Jack: the colour of the middle of the card alone tells them apart, also
        // where a hand covers all but the left strip of a card.
        QFETCH(int, suit);
        const int first = (suit - SuitDiamonds) * 12 + 1;
        QList<QColor> middles, strips;
        for (int k : {first + 4, first + 6, first + 8}) {
            const QImage face = Image(TablePicture(k, 1.0));
            middles.append(Mean(face, QRect(20, 10, 32, 78)));
            strips.append(Mean(face, QRect(20, 40, 12, 12)));
        }
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j) {
                QVERIFY2(Distance(middles[i], middles[j]) > 40, qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
                QVERIFY2(Distance(strips[i], strips[j]) > 40, qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
            }
    }

    void drawnAfreshAtEachRatio_data()
    {
        QTest::addColumn<int>("image");
        QTest::newRow("Ace of Diamonds") << 1;
        QTest::newRow("Queen of Spades") << 43;
        QTest::newRow("back") << int(ImageBack);
        QTest::newRow("hearts") << 52;
    }
    void drawnAfreshAtEachRatio()
    {
        // The same picture at both ratios, but the sharp one is not the small one blown up.
        QFETCH(int, image);
        const QImage one = Image(TablePicture(image, 1.0));
        const QImage two = Image(TablePicture(image, 2.0));
        QVERIFY(Difference(two, one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)) > 0.005);
        QVERIFY(Difference(one, two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)) < 0.08);
    }

    void cardCornersShowTheTable_data()
    {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("number");
        QTest::newRow("face") << int(Table) << 7;
        QTest::newRow("back") << int(Table) << int(ImageBack);
        QTest::newRow("help face") << int(Help) << 7;
    }
    void cardCornersShowTheTable()
    {
        QFETCH(int, family);
        QFETCH(int, number);
        const QImage img = Image(Picture(family, number, 1.0));
        for (QPoint corner : {QPoint(0, 0), QPoint(img.width() - 1, 0), QPoint(0, img.height() - 1),
                              QPoint(img.width() - 1, img.height() - 1)})
            QCOMPARE(qAlpha(img.pixel(corner)), 0);
        QCOMPARE(qAlpha(img.pixel(img.width() / 2, img.height() / 2)), 255);
    }

    void suitSymbols()
    {
        QList<QImage> symbols;
        for (int suit = SuitDiamonds; suit <= SuitSpades; ++suit) {
            const QImage s = Image(TablePicture(ImageSuitBase + suit, 1.0));
            const QRect all = s.rect();
            const int ink = Count(s, all, RedSuit(suit) ? IsRed : IsBlack);
            QVERIFY2(ink > 200 && ink < 800, qPrintable(QStringLiteral("suit %1: %2").arg(suit).arg(ink)));
            QCOMPARE(Count(s, all, RedSuit(suit) ? IsBlack : IsRed), 0);
            for (const QImage& other : symbols)
                QVERIFY(Difference(s, other) > 0.05);
            symbols.append(s);
        }
        const QImage none = Image(TablePicture(PictureNoTrumps, 1.0));
        QVERIFY(Count(none, none.rect(), IsRed) > 300);
        QVERIFY(Count(none, QRect(8, 14, 16, 4), IsWhite) > 50);  // the bar across the disc
    }

    void dialogIcons_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<QColor>("ground");
        QTest::addColumn<QPoint>("clear");  // a point of the ground that nothing covers
        QTest::newRow("cards") << 1 << QColor(0, 84, 42) << QPoint(16, 30);
        QTest::newRow("question") << 2 << QColor(24, 150, 64) << QPoint(6, 16);
        QTest::newRow("information") << 3 << QColor(24, 44, 150) << QPoint(6, 16);
    }
    void dialogIcons()
    {
        QFETCH(int, icon);
        QFETCH(QColor, ground);
        QFETCH(QPoint, clear);
        const QImage img = Image(DialogIconPicture(icon, 1.0));
        QVERIFY(Distance(QColor(img.pixel(clear)), ground) < 30);
        QVERIFY(Count(img, img.rect(), IsLight) > 40);  // the cards, or the sign
        for (int other = 1; other <= 3; ++other)
            if (other != icon)
                QVERIFY(Difference(img, Image(DialogIconPicture(other, 1.0))) > 0.1);
    }

    void windowIcon()
    {
        const QIcon icon = WindowIcon();
        for (int size : {16, 32, 48, 64})
            QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage img = Image(WindowIconPicture(32, 1.0));
        QVERIFY(Distance(QColor(img.pixel(16, 1)), QColor(0, 128, 128)) < 10);  // the teal ground
        QVERIFY(Count(img, img.rect(), IsWhite) > 100);                          // two cards
        QVERIFY(Count(img, img.rect(), IsRed) > 5 && Count(img, img.rect(), IsBlack) > 5);
    }

    void keptOncePainted()
    {
        QCOMPARE(TablePicture(5, 2.0).cacheKey(), TablePicture(5, 2.0).cacheKey());
        QVERIFY(TablePicture(5, 1.0).cacheKey() != TablePicture(5, 2.0).cacheKey());
    }
};

QTEST_MAIN(CardArtTest)
#include "test_card_art.moc"
