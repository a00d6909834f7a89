// The rules pages: their windows, buttons, labels, pictures and printed text, and how they are
// shown, hidden, repainted and unloaded.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "engine/state/CardTable.h"
#include "help/HelpKit.h"
#include "help/HelpPages.h"
#include "help/HelpText.h"
#include "help/HelpWindows.h"
#include "tests/support/VirtualPlatform.h"

namespace {

HelpPage* Page(int n) { return qobject_cast<HelpPage*>(LoadedHelpPage(n)); }

QPushButton* Button(int page, const QString& name)
{
    return LoadedHelpPage(page)->findChild<QPushButton*>(name);
}

QString Visible()
{
    QString s;
    for (int n = 1; n <= 3; ++n)
        if (LoadedHelpPage(n) && LoadedHelpPage(n)->isVisible())
            s += QString::number(n);
    return s;
}

void Unload()
{
    UnloadHelpWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The kinds of line a page prints: B blank, H a line opening with a heading, S the rest of a
// passage in our own words, X a line given word for word.
struct PageShape {
    const char* Kinds;
    QStringList Headings;  // for the H lines, in order
    QStringList Exact;     // for the X lines, in order
};

PageShape Shape(int page)
{
    switch (page) {
    case 1:
        return {"BBBSSSSBHBHBBBBBBHSBHSSBHSBXXXB",
                {"     THE PACK:", "     RANK OF CARDS:", "     THE SHUFFLE AND CUT:", "     THE DEAL:",
                 "     OBJECT OF THE GAME:"},
                {"     SCORING: If the dealer turns over a Nine as the trump card, he scores 10 points. "
                 "Thereafter, either player, upon ",
                 "     winning a trick, may exchange a trump Nine for the trump card turned over, or "
                 "merely declare a trump Nine and ",
                 "     score 10 points. It does not have to be melded and can be played in a trick if "
                 "desired."}};
    case 2:
        return {"BBXSSSSBBBXBXXXXXXXXX",
                {},
                {"     SCORING:", "     The other declarations are:",
                 "      Marriage (K, Q of the same suit) in trumps 40", "      Marriage (K, Q in any suit) 20",
                 "      Sequence (A, 10, K, Q, J of trumps) 150",
                 "      Pinochle (Queen of Spades and Jack of Diamonds) 40 ", "      Double Pinochle 500",
                 "       4 Aces different suits 100", "      4 Kings different suits 80",
                 "      4 Queens different suits 60", "      4 Jacks different suits 40"}};
    default:
        return {"XXBHSBSSBSSBSSSSBSSBSSSBSSSSBSSSBSB",
                {"     THE PLAY:"},
                {"     Points for each trick won are scored by winner of trick as follows. Each Ace 11 "
                 "points, each Ten 10 points, each King 4 points, each Queen 3",
                 "     points and each Jack 2 points. These points are not added until the end of each "
                 "hand."}};
    }
}

bool IsNavy(QRgb c) { return qRed(c) == 0 && qGreen(c) == 0 && qBlue(c) == 128; }

// How many pixels of a band of the window are not navy (text or controls).
int InkIn(const QImage& image, const QRect& band)
{
    int n = 0;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            n += IsNavy(image.pixel(x, y)) ? 0 : 1;
    return n;
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Unload(); }

    void window_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("client");
        QTest::addColumn<int>("fontPixels");
        QTest::addColumn<bool>("fixed");
        QTest::newRow("1") << 1 << "Pinochle Help Page 1" << QSize(754, 663) << 18 << false;
        QTest::newRow("2") << 2 << "Bezique Help Page Two" << QSize(808, 706) << 16 << true;
        QTest::newRow("3") << 3 << "Bezique Help Page 3" << QSize(802, 764) << 16 << false;
    }
    void window()
    {
        QFETCH(int, page);
        QFETCH(QString, caption);
        QFETCH(QSize, client);
        QFETCH(int, fontPixels);
        QFETCH(bool, fixed);
        QWidget* w = ShowHelpPage(page);
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->windowTitle(), caption);
        QCOMPARE(w->size(), client);
        QCOMPARE(w->windowModality(), Qt::NonModal);
        QCOMPARE(w->font().family(), QString("Liberation Serif"));
        QCOMPARE(w->font().pixelSize(), fontPixels);
        QVERIFY(w->font().bold());
        QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 128));
        QCOMPARE(w->palette().color(QPalette::WindowText), QColor(192, 255, 255));
        QCOMPARE(w->minimumSize() == w->maximumSize(), fixed);
        QCOMPARE(w->minimumSize(), client);
        const QPoint centre = w->screen()->availableGeometry().center();
        // Centred up to the window frame, which is only known once the window is up.
        const QPoint off = w->geometry().center() - centre;
        QVERIFY(qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4);
    }

    void buttons_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<int>("fontPixels");
        QTest::newRow("exit 1") << 1 << "CmdExitHelp" << "E&xit" << QRect(280, 624, 113, 25) << "" << 18;
        QTest::newRow("to 2") << 1 << "CmdGioHelp2" << "Page &2 Help" << QRect(408, 624, 113, 25) << "" << 18;
        QTest::newRow("back to 1") << 2 << "CmdBackPage1" << "Page 1 Help" << QRect(344, 680, 105, 25)
                                   << "Click for first page of help" << 18;
        QTest::newRow("exit 2") << 2 << "CmdExtPage2" << "Exit Help" << QRect(472, 680, 105, 25)
                                << "Click here to leave Help file" << 18;
        QTest::newRow("to 3") << 2 << "CmdPage3" << "Page 3 Help" << QRect(616, 680, 105, 25)
                              << "Click to go to last help page" << 18;
        QTest::newRow("back to 2") << 3 << "CmdBack2" << "Return Page 2" << QRect(280, 736, 113, 25)
                                   << "Click to return to page 2" << 16;
        QTest::newRow("exit 3") << 3 << "CmdExit3" << "Exit Help" << QRect(424, 736, 105, 25)
                                << "Exit all Help files" << 16;
    }
    void buttons()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(QString, tip);
        QFETCH(int, fontPixels);
        ShowHelpPage(page);
        QPushButton* b = Button(page, name);
        QVERIFY(b);
        QCOMPARE(b->text(), caption);
        QCOMPARE(b->geometry(), place);
        QCOMPARE(b->toolTip(), tip);
        QCOMPARE(b->font().pixelSize(), fontPixels);
        QVERIFY(b->font().bold());
        QCOMPARE(b->palette().color(QPalette::Button), QColor(192, 255, 255));
        // A flat face in that colour, whatever the widget style: just inside the edges, top left
        // and bottom right.
        const QImage face = b->grab().toImage();
        for (QPoint at : {QPoint(3, 3), QPoint(b->width() - 4, b->height() - 4)})
            QCOMPARE(face.pixelColor(at * face.devicePixelRatio()), QColor(192, 255, 255));
        // The caption is shown whole on its face.
        QVERIFY(b->fontMetrics().horizontalAdvance(caption.remove('&')) < b->width());
    }

    void tabOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("1") << 1 << QStringList{"CmdExitHelp", "CmdGioHelp2"};
        QTest::newRow("2") << 2 << QStringList{"CmdBackPage1", "CmdExtPage2", "CmdPage3"};
        QTest::newRow("3") << 3 << QStringList{"CmdBack2", "CmdExit3"};
    }
    void tabOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        ShowHelpPage(page);
        QStringList seen;
        QWidget* first = Button(page, order.first());
        QWidget* at = first;
        do {
            if (qobject_cast<QPushButton*>(at) && at->focusPolicy() & Qt::TabFocus)
                seen << at->objectName();
            at = at->nextInFocusChain();
        } while (at != first && at != nullptr);
        QCOMPARE(seen, order);
    }

    // Which pages are showing after a click; a button hides only its own page.
    void clicks_data()
    {
        QTest::addColumn<QString>("open");  // pages shown first, in order
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("after");
        QTest::newRow("exit 1") << "1" << 1 << "CmdExitHelp" << "";
        QTest::newRow("1 to 2") << "1" << 1 << "CmdGioHelp2" << "2";
        QTest::newRow("2 to 1") << "12" << 2 << "CmdBackPage1" << "1";
        QTest::newRow("exit 2") << "2" << 2 << "CmdExtPage2" << "";
        QTest::newRow("2 to 3") << "2" << 2 << "CmdPage3" << "3";
        QTest::newRow("3 to 2") << "3" << 3 << "CmdBack2" << "2";
        QTest::newRow("exit 3") << "3" << 3 << "CmdExit3" << "";
        QTest::newRow("exit all leaves page 1") << "31" << 3 << "CmdExit3" << "1";
        QTest::newRow("exit 2 leaves 1 and 3") << "321" << 2 << "CmdExtPage2" << "13";
        QTest::newRow("exit 1 leaves 2") << "21" << 1 << "CmdExitHelp" << "2";
        QTest::newRow("rules menu beside page 2") << "2" << 1 << "menu" << "12";
        QTest::newRow("rules menu beside page 3") << "3" << 1 << "menu" << "13";
    }
    void clicks()
    {
        QFETCH(QString, open);
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, after);
        for (QChar c : open)
            ShowHelpPage(c.digitValue());
        QWidget* before = LoadedHelpPage(page);
        if (button == "menu")
            ShowRulesPage1();
        else
            QTest::mouseClick(Button(page, button), Qt::LeftButton);
        QCOMPARE(Visible(), after);
        if (before)
            QCOMPARE(LoadedHelpPage(page), before);  // hidden, never unloaded
    }

    void labels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::newRow("trumps") << "LblTrumps" << "Trumps" << QRect(560, 200, 61, 16);
        QTest::newRow("royal") << "LblRM" << "Royal Marriage 40 points" << QRect(472, 272, 109, 40);
        QTest::newRow("common") << "Label2" << "Common Marriage 20 points" << QRect(608, 272, 109, 40);
        QTest::newRow("run") << "LblSequence" << "Trumps Run 150 points" << QRect(432, 376, 169, 25);
        QTest::newRow("aces") << "Label1" << "Any Four Aces 100 points" << QRect(232, 472, 145, 33);
        QTest::newRow("double") << "LblDBezique" << "Double Pinochle  500 points" << QRect(448, 472, 153, 33);
        QTest::newRow("pinochle") << "LblBezique" << " Pinochle 40 points" << QRect(640, 472, 109, 34);
        QTest::newRow("kings") << "Lbl4kingss" << "Any Four Kings 80 points" << QRect(248, 600, 145, 33);
        QTest::newRow("jacks") << "LblJacks" << "Any Four Jacks 40 points" << QRect(464, 592, 137, 33);
        QTest::newRow("queens") << "LblQueens" << "Any Four Queens 60 points" << QRect(632, 592, 121, 33);
    }
    void labels()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        ShowHelpPage(2);
        auto* l = LoadedHelpPage(2)->findChild<QLabel*>(name);
        QVERIFY(l);
        QCOMPARE(l->text(), caption);
        QCOMPARE(l->textFormat(), Qt::PlainText);  // rich text would fold the blanks
        QCOMPARE(l->pos(), place.topLeft());
        QCOMPARE(l->width(), place.width());
        QVERIFY(l->height() >= place.height());
        QVERIFY(l->heightForWidth(l->width()) <= l->height());  // no line cut off
        QCOMPARE(l->font().pixelSize(), 15);
        QVERIFY(l->font().bold());
        QCOMPARE(l->palette().color(QPalette::WindowText), QColor(192, 255, 255));
        QCOMPARE(l->palette().color(QPalette::Window), QColor(0, 0, 128));
    }

    // The faces shown, in the order of the pictures (page 2: group by group, left to right).
    void pictures_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("cards");
        QTest::newRow("1") << 1 << "Image" << "AD TD KD QD JD 9D";
        QTest::newRow("2") << 2 << "Picture"
                           << "AD KD QD KH QH AD TD JD QD KD AD AS AH AC QS JD QS JD QS JD "
                              "KD KH KC KS JC JD JH JS QD QC QH QS";
    }
    void pictures()
    {
        QFETCH(int, page);
        QFETCH(QString, prefix);
        QFETCH(QString, cards);
        ShowHelpPage(page);
        VirtualPlatform plat;
        Game g(plat);
        SetUpCards(g);
        const QMap<QChar, QString> face{{'A', "Ace"}, {'T', "Ten"}, {'K', "King"},
                                        {'Q', "Queen"}, {'J', "Jack"}, {'9', "Nine"}};
        const QMap<QChar, QString> suit{{'D', "Diamonds"}, {'C', "Clubs"}, {'H', "Hearts"}, {'S', "Spades"}};
        const QStringList want = cards.split(' ');
        QCOMPARE(LoadedHelpPage(page)->findChildren<HelpCard*>().size(), want.size());
        for (int i = 0; i < want.size(); ++i) {
            auto* pic = LoadedHelpPage(page)->findChild<HelpCard*>(prefix + QString::number(i + 1));
            QVERIFY(pic);
            QCOMPARE(pic->size(), QSize(55, 55));
            QCOMPARE(QString::fromStdString(g.Cards[pic->CardIndex()].Name),
                     face[want[i][0]] + " of " + suit[want[i][1]]);
        }
    }

    void text_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void text()
    {
        QFETCH(int, page);
        const PageShape shape = Shape(page);
        const auto lines = HelpPageText(page);
        QCOMPARE(int(lines.size()), int(strlen(shape.Kinds)));
        QWidget* w = ShowHelpPage(page);
        const QFontMetrics fm(w->font());
        int heading = 0, exact = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            const QString line = QString::fromUtf8(lines[i]);
            const char kind = shape.Kinds[i];
            if (kind == 'B') {
                QVERIFY2(line.isEmpty(), qPrintable(line));
                continue;
            }
            if (kind == 'X') {
                QCOMPARE(line, shape.Exact.at(exact++));
                continue;
            }
            if (kind == 'H')
                QVERIFY2(line.startsWith(shape.Headings.at(heading++) + ' '), qPrintable(line));
            // Our own lines: five blanks, then words, within the window's width.
            QVERIFY2(line.startsWith("     ") && line[5] != ' ', qPrintable(line));
            QVERIFY2(fm.horizontalAdvance(line) <= w->width(), qPrintable(line));
        }
        QCOMPARE(heading, int(shape.Headings.size()));
        QCOMPARE(exact, int(shape.Exact.size()));
    }

    // Covering and uncovering a page repaints its text from the top, never twice over.
    void repaintPrintsOnce_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
    }
    void repaintPrintsOnce()
    {
        QFETCH(int, page);
        ShowHelpPage(page);
        HelpPage* w = Page(page);
        const QImage first = w->grab().toImage();
        const int printings = w->Printings();
        QVERIFY(printings >= 1);
        QCOMPARE(w->LinesPrinted(), int(HelpPageText(page).size()));
        QVERIFY(InkIn(first, QRect(0, 3 * w->fontMetrics().height(), 200, 12)) > 50);

        // A window lying over the middle of the page, then gone.
        const QRect covered(100, 150, 300, 200);
        QPixmap part(covered.size());
        w->render(&part, QPoint(), QRegion(covered));
        QCOMPARE(part.toImage().convertToFormat(first.format()), first.copy(covered));
        QCOMPARE(w->Printings(), printings + 1);
        QCOMPARE(w->LinesPrinted(), int(HelpPageText(page).size()));

        const QImage again = w->grab().toImage();
        QCOMPARE(again, first);
        QCOMPARE(w->Printings(), printings + 2);
    }

    void pageThreePrintsOnceAtLoad()
    {
        ShowHelpPage(3);
        auto* w = qobject_cast<FrmHelp3*>(LoadedHelpPage(3));
        QVERIFY(w);
        const QImage image = w->PersistentImage().toImage();
        QVERIFY(InkIn(image, QRect(0, 0, 300, 14)) > 50);  // the text is there before any paint
        const qint64 key = w->PersistentImage().cacheKey();
        const QImage shown = w->grab().toImage();
        QTest::mouseClick(Button(3, "CmdBack2"), Qt::LeftButton);
        QTest::mouseClick(Button(2, "CmdPage3"), Qt::LeftButton);
        QCOMPARE(LoadedHelpPage(3), w);
        w->repaint();
        QCOMPARE(w->grab().toImage(), shown);
        QCOMPARE(w->Printings(), 1);
        QCOMPARE(w->PersistentImage().cacheKey(), key);
        QCOMPARE(w->LinesPrinted(), int(HelpPageText(3).size()));
        // The image holds the long first line whole, for a page made wider.
        QVERIFY(w->PersistentImage().width() / w->PersistentImage().devicePixelRatio() >
                w->fontMetrics().horizontalAdvance(QString::fromUtf8(HelpPageText(3)[0])) - 1);
    }

    // A page closed by the platform is unloaded; the next showing loads it afresh.
    void platformCloseUnloads_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("1") << 1;
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
    }
    void platformCloseUnloads()
    {
        QFETCH(int, page);
        QPointer<QWidget> old = ShowHelpPage(page);
        QVERIFY(old->close());
        QCOMPARE(LoadedHelpPage(page), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QWidget* fresh = ShowHelpPage(page);
        QVERIFY(fresh && fresh->isVisible());
        if (page == 3)
            QCOMPARE(Page(3)->Printings(), 1);
    }

    void unloadRemovesEveryPage()
    {
        QPointer<QWidget> a = ShowHelpPage(1);
        QPointer<QWidget> b = ShowHelpPage(3);
        QTest::mouseClick(Button(3, "CmdExit3"), Qt::LeftButton);  // hidden pages go too
        UnloadHelpWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(a.isNull() && b.isNull());
        QCOMPARE(LoadedHelpPage(1), nullptr);
        QCOMPARE(LoadedHelpPage(3), nullptr);
        UnloadHelpWindows();  // nothing left: nothing happens
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
