// The table window: its controls stand where they belong, it mirrors the table model, and every
// click, menu item and shortcut reaches its handler.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include "table/PicCardBox.h"
#include "table/PinochleTable.h"
#include "table/StatusPanels.h"
#include "tests/support/TestTable.h"
#include "engine/handlers/CardClick.h"
#include "engine/handlers/Exit.h"
#include "engine/handlers/MeldPanel.h"

namespace {

using C = TableCommands;

// Every command of the window replaced by one that writes its name (and index) down.
struct Recorder {
    QStringList calls;
    bool keepOpen = false;
    std::function<void(Game&)> onCardClick;

    TableCommands Commands()
    {
        TableCommands c;
        const std::pair<const char*, C::Plain*> plain[] = {
            {"CmdDBezique_Click", &c.CmdDBezique_Click}, {"CmdBezique_Click", &c.CmdBezique_Click},
            {"CmdSequence_Click", &c.CmdSequence_Click}, {"cmdDec7Trumps_Click", &c.cmdDec7Trumps_Click},
            {"CmdCancel_Click", &c.CmdCancel_Click},     {"Command1_Click", &c.Command1_Click},
            {"CmdSort_Click", &c.CmdSort_Click},         {"LblKnock_Click", &c.LblKnock_Click},
            {"MnuNew_Click", &c.MnuNew_Click},           {"MnuExit_Click", &c.MnuExit_Click},
            {"MnuRules_Click", &c.MnuRules_Click},       {"MnuYours_Click", &c.MnuYours_Click},
            {"MnuTheirName_Click", &c.MnuTheirName_Click}, {"MnuuView_Click", &c.MnuuView_Click},
            {"MnuDelete_Click", &c.MnuDelete_Click},     {"Menu1000_Click", &c.Menu1000_Click},
            {"MenuMedium_Click", &c.MenuMedium_Click},   {"MnuHalf_Click", &c.MnuHalf_Click},
            {"MnuQuick_Click", &c.MnuQuick_Click},       {"MnuReminder_Click", &c.MnuReminder_Click},
            {"MnuFast_Click", &c.MnuFast_Click},         {"MnuMedium_Click", &c.MnuMedium_Click},
            {"MnuSlow_Click", &c.MnuSlow_Click},         {"MnuAbout_Click", &c.MnuAbout_Click},
        };
        const std::pair<const char*, C::Indexed*> indexed[] = {
            {"CmdFours_Click", &c.CmdFours_Click},
            {"CmdMakeMarriage_Click", &c.CmdMakeMarriage_Click},
            {"CmdMarriage_Click", &c.CmdMarriage_Click},
        };
        for (auto [name, handler] : plain)
            *handler = [this, name](Game&) { calls << name; };
        for (auto [name, handler] : indexed)
            *handler = [this, name](Game&, int16_t i) { calls << QStringLiteral("%1(%2)").arg(name).arg(i); };
        c.PicCard_Click = [this](Game& g, int16_t i) {
            calls << QStringLiteral("PicCard_Click(%1)").arg(i);
            if (onCardClick)
                onCardClick(g);
        };
        c.Form_QueryUnload = [this](Game&, int reason) {
            calls << QStringLiteral("Form_QueryUnload(%1)").arg(reason);
            return keepOpen;
        };
        return c;
    }
};

struct Fixture {
    Recorder rec;
    TestTable t;
    PinochleTable w{t.g, rec.Commands()};

    TableModel& model() { return t.g.Table; }
    template <class W = QWidget>
    W* find(const QString& name)
    {
        W* found = w.findChild<W*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    void showEverything()
    {
        for (FrameModel* f : {&model().FramDeclare, &model().FramMarriage, &model().FramMeldHelp})
            f->Visible = true;
        model().CmdSort.Visible = true;
        model().LblKnock.Visible = true;
        for (int i = 1; i <= CardCount; ++i)
            model().PicCard[i].Visible = true;
        w.ShowModel();
    }
};

}  // namespace

class TableWindowTest : public QObject {
    Q_OBJECT
private slots:
    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");  // pixels in its frame or on the table; width -1: fits its text
        QTest::newRow("stock label") << "LblStock" << QRect(8, 128, 57, 17);
        QTest::newRow("knock") << "LblKnock" << QRect(32, 608, 81, 25);
        QTest::newRow("sort") << "CmdSort" << QRect(32, 648, 89, 25);
        QTest::newRow("opponent's name") << "LblBotsName" << QRect(592, 0, -1, 26);
        QTest::newRow("player's name") << "LblPlayer(0)" << QRect(40, 680, -1, 26);
        QTest::newRow("computer's panel") << "Frame1" << QRect(696, 8, 161, 168);
        QTest::newRow("user's panel") << "FrameTricks" << QRect(696, 608, 161, 168);
        QTest::newRow("computer's total") << "LblTotScoreC" << QRect(112, 136, 41, 17);
        QTest::newRow("Total Tricks caption") << "Label10" << QRect(32, 56, 81, 17);
        QTest::newRow("user's name in panel") << "LblPname(1)" << QRect(40, 16, -1, 15);
        QTest::newRow("meld panel") << "FramDeclare" << QRect(256, 0, 331, 201);
        QTest::newRow("marriage panel") << "FramMarriage" << QRect(320, 8, 185, 147);
        QTest::newRow("reminder") << "FramMeldHelp" << QRect(264, 8, 305, 337);
        QTest::newRow("Four Aces") << "CmdFours(3)" << QRect(168, 56, 137, 25);
        QTest::newRow("Make Marriage") << "CmdMakeMarriage(4)" << QRect(96, 128, 130, 22);
        QTest::newRow("Cancel") << "CmdCancel" << QRect(48, 168, 233, 26);
        QTest::newRow("O.K") << "Command1" << QRect(112, 296, 89, 25);
        QTest::newRow("Dix line") << "LblDix" << QRect(8, 16, 289, 41);
        QTest::newRow("card box, face") << "PicCard(17)" << QRect(-1, -1, 71, 96);
        QTest::newRow("card box, back") << "PicCard(18)" << QRect(-1, -1, 72, 98);
    }
    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        Fixture f;
        f.model().PicCard[17].Picture = 17;
        f.model().PicCard[18].Picture = ImageBack;
        f.w.ShowModel();
        const QRect r = f.find(name)->geometry();
        if (place.x() >= 0)
            QCOMPARE(r.topLeft(), place.topLeft());
        if (place.width() >= 0)
            QCOMPARE(r.width(), place.width());
        QCOMPARE(r.height(), place.height());
    }

    void clientAreaAndStatusBar()
    {
        Fixture f;
        f.w.show();
        QWidget* table = f.w.Surface();
        auto* bar = f.find<StatusBar1>("StatusBar1");
        QCOMPARE(f.w.centralWidget()->size(), QSize(859, 812));
        QCOMPARE(table->pos(), QPoint(0, 0));
        QCOMPARE(bar->geometry().bottom(), 811);
        const int widths[] = {200, 467, 96, 96};
        const char* tips[] = {"Current Trumps", "General Information", "", ""};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(bar->Panel(i)->width(), widths[i - 1]);
            QCOMPARE(bar->Panel(i)->toolTip(), QString(tips[i - 1]));
        }
        QCOMPARE(bar->Panel(1)->Picture(), PictureNoTrumps);
        QCOMPARE(bar->Panel(1)->Text(), QString("Trump"));
    }

    void resizingMovesNothing_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(1200, 1000);
        QTest::newRow("smaller than designed") << QSize(500, 400);
    }
    void resizingMovesNothing()
    {
        QFETCH(QSize, size);
        Fixture f;
        f.model().PicCard[1] = {ImageBack, 540, 120, true, 1};
        f.w.show();
        f.w.resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(f.w.size(), size);
        QCOMPARE(f.w.PicCard(1)->pos(), QPoint(36, 8));
        QCOMPARE(f.find("FrameTricks")->pos(), QPoint(696, 608));
        auto* bar = f.find("StatusBar1");
        QCOMPARE(bar->geometry().bottom(), f.w.centralWidget()->height() - 1);  // along the bottom edge
        QCOMPARE(f.find("StatusBar1.Panel(2)")->geometry(), QRect(200, 0, 467, 24));
    }

    void colours_data()
    {
        QTest::addColumn<QPoint>("at");  // on the table, in pixels
        QTest::addColumn<QColor>("colour");
        QTest::newRow("table") << QPoint(400, 300) << QColor(0, 64, 64);
        QTest::newRow("Line3") << QPoint(400, 424) << QColor(255, 128, 128);
        QTest::newRow("below Line3") << QPoint(400, 427) << QColor(0, 64, 64);
        QTest::newRow("computer's panel") << QPoint(701, 120) << QColor(255, 128, 128);
        QTest::newRow("user's panel") << QPoint(701, 720) << QColor(255, 192, 128);
        QTest::newRow("panel's line") << QPoint(780, 8 + 128) << QColor(0, 0, 0);
        QTest::newRow("value label") << QPoint(696 + 116, 8 + 150) << QColor(192, 255, 192);
        QTest::newRow("stock label") << QPoint(11, 140) << QColor(0, 64, 0);
        QTest::newRow("knock") << QPoint(36, 628) << QColor(255, 128, 0);
        QTest::newRow("sort") << QPoint(36, 668) << QColor(192, 192, 0);
        QTest::newRow("name") << QPoint(43, 700) << QColor(128, 0, 0);
    }
    void colours()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        Fixture f;
        f.model().LblKnock.Visible = true;
        f.model().CmdSort.Visible = true;
        f.w.ShowModel();
        const QImage shot = f.w.Surface()->grab().toImage();
        QCOMPARE(shot.pixelColor(at), colour);
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("style");  // 1 bold, 2 italic, 4 underlined
        QTest::newRow("names") << "LblBotsName" << 19 << 3;
        QTest::newRow("stock") << "LblStock" << 12 << 5;
        QTest::newRow("sort") << "CmdSort" << 16 << 1;
        QTest::newRow("Four Aces") << "CmdFours(3)" << 15 << 5;
        QTest::newRow("Cancel") << "CmdCancel" << 15 << 1;
        QTest::newRow("marriage suit") << "CmdMarriage(1)" << 13 << 5;
        QTest::newRow("TOTAL SCORE") << "Label3" << 15 << 5;
        QTest::newRow("value") << "LblTotScoreC" << 13 << 1;
        QTest::newRow("reminder line") << "Label7" << 14 << 1;
    }
    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(int, pixels);
        QFETCH(int, style);
        Fixture f;
        const QFont font = f.find(name)->font();
        const QFontInfo resolved(font);
        // Times New Roman, or Liberation Serif where it stands in with the same measures.
        const QStringList serif{"Times New Roman", "Liberation Serif"};
        QVERIFY2(serif.contains(resolved.family()), qPrintable(resolved.family()));
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(resolved.bold(), bool(style & 1));
        QCOMPARE(resolved.italic(), bool(style & 2));
        QCOMPARE(font.underline(), bool(style & 4));
    }

    void menuBarInOrder()
    {
        Fixture f;
        QStringList captions;
        for (QAction* a : f.w.menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"Play - F2", "Help - F1", "Change Names", "Statistics",
                                        "Change Target Score", "Melds Reminder", "Select Speed", "&About"}));
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("handler");
        QTest::newRow("new") << "MnuNew" << "New Game" << "F2" << "MnuNew_Click";
        QTest::newRow("exit") << "MnuExit" << "Exit -CtrlX" << "Ctrl+X" << "MnuExit_Click";
        QTest::newRow("rules") << "MnuRules" << "Pinochle Rules" << "F1" << "MnuRules_Click";
        QTest::newRow("your name") << "MnuYours" << "Change your Name" << "" << "MnuYours_Click";
        QTest::newRow("their name") << "MnuTheirName" << "Change Opponent Name" << "" << "MnuTheirName_Click";
        QTest::newRow("view") << "MnuuView" << "View Game Statisitics" << "" << "MnuuView_Click";
        QTest::newRow("delete") << "MnuDelete" << "Delete Statistics" << "" << "MnuDelete_Click";
        QTest::newRow("1000") << "Menu1000" << "1000 - Normal" << "" << "Menu1000_Click";
        QTest::newRow("750") << "MenuMedium" << "750 " << "" << "MenuMedium_Click";
        QTest::newRow("500") << "MnuHalf" << "500" << "" << "MnuHalf_Click";
        QTest::newRow("300") << "MnuQuick" << "300 - quick game" << "" << "MnuQuick_Click";
        QTest::newRow("reminder") << "MnuReminder" << "Melds Reminder" << "" << "MnuReminder_Click";
        QTest::newRow("fast") << "MnuFast" << "Fast" << "" << "MnuFast_Click";
        QTest::newRow("medium") << "MnuMedium" << "Medium" << "" << "MnuMedium_Click";
        QTest::newRow("slow") << "MnuSlow" << "Slow" << "" << "MnuSlow_Click";
        QTest::newRow("about") << "MnuAbout" << "&About" << "" << "MnuAbout_Click";
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(QString, handler);
        Fixture f;
        auto* action = f.find<QAction>(name);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QVERIFY(action->isEnabled());
        QVERIFY(!action->isCheckable());
        action->trigger();
        QCOMPARE(f.rec.calls, QStringList{handler});
    }

    void shortcuts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("meldPanel");  // FramDeclare shown
        QTest::addColumn<QString>("handler");
        const int alt = Qt::AltModifier;
        QTest::newRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << false << "MnuNew_Click";
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << false << "MnuExit_Click";
        QTest::newRow("F1") << int(Qt::Key_F1) << int(Qt::NoModifier) << false << "MnuRules_Click";
        QTest::newRow("F2, meld panel up") << int(Qt::Key_F2) << int(Qt::NoModifier) << true << "MnuNew_Click";
        QTest::newRow("Alt+A") << int(Qt::Key_A) << alt << false << "MnuAbout_Click";
        QTest::newRow("Alt+A, meld panel up") << int(Qt::Key_A) << alt << true << "CmdCancel_Click";
    }
    void shortcuts()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, meldPanel);
        QFETCH(QString, handler);
        Fixture f;
        f.model().FramDeclare.Visible = meldPanel;
        f.w.ShowModel();
        f.w.show();
        QApplication::setActiveWindow(&f.w);
        QTest::keyClick(&f.w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.rec.calls, QStringList{handler});
    }

    void clicksReachTheirHandlers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("calls");
        const int left = Qt::LeftButton;
        QTest::newRow("card, left") << "PicCard(1)" << left << QStringList{"PicCard_Click(1)"};
        QTest::newRow("card, right") << "PicCard(48)" << int(Qt::RightButton) << QStringList{"PicCard_Click(48)"};
        QTest::newRow("card, middle") << "PicCard(20)" << int(Qt::MiddleButton) << QStringList{};
        QTest::newRow("Double Pinochle") << "CmdDBezique" << left << QStringList{"CmdDBezique_Click"};
        QTest::newRow("Pinochle") << "CmdBezique" << left << QStringList{"CmdBezique_Click"};
        QTest::newRow("Dix") << "cmdDec7Trumps" << left << QStringList{"cmdDec7Trumps_Click"};
        QTest::newRow("Four Kings") << "CmdFours(0)" << left << QStringList{"CmdFours_Click(0)"};
        QTest::newRow("Four Aces") << "CmdFours(3)" << left << QStringList{"CmdFours_Click(3)"};
        QTest::newRow("Make Marriage") << "CmdMakeMarriage(4)" << left << QStringList{"CmdMakeMarriage_Click(4)"};
        QTest::newRow("Clubs") << "CmdMarriage(2)" << left << QStringList{"CmdMarriage_Click(2)"};
        QTest::newRow("Cancel") << "CmdCancel" << left << QStringList{"CmdCancel_Click"};
        QTest::newRow("O.K") << "Command1" << left << QStringList{"Command1_Click"};
        QTest::newRow("sort") << "CmdSort" << left << QStringList{"CmdSort_Click"};
        QTest::newRow("knock") << "LblKnock" << left << QStringList{"LblKnock_Click"};
        QTest::newRow("a caption label") << "Label13" << left << QStringList{};
    }
    void clicksReachTheirHandlers()
    {
        QFETCH(QString, name);
        QFETCH(int, button);
        QFETCH(QStringList, calls);
        Fixture f;
        f.showEverything();
        QWidget* target = f.find(name);
        target->raise();
        if (target->parentWidget() != f.w.Surface())
            target->parentWidget()->raise();
        f.w.show();
        QTest::mouseClick(target, Qt::MouseButton(button));
        QCOMPARE(f.rec.calls, calls);
    }

    // Mouse actions on a clickable control as the window system delivers them, and the handler
    // calls they make.
    void doubleClickIsOneClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("doubleClick");  // else two clicks far apart in time
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("call");
        const int left = Qt::LeftButton;
        const QString move = "PicCard_Click(48)";
        QTest::newRow("double-click, left") << "PicCard(48)" << left << true << 1 << move;
        QTest::newRow("double-click, right") << "PicCard(48)" << int(Qt::RightButton) << true << 1 << move;
        QTest::newRow("two clicks") << "PicCard(48)" << left << false << 2 << move;
        QTest::newRow("double-click, knock") << "LblKnock" << left << true << 1 << "LblKnock_Click";
    }
    void doubleClickIsOneClick()
    {
        QFETCH(QString, name);
        QFETCH(int, button);
        QFETCH(bool, doubleClick);
        QFETCH(int, count);
        QFETCH(QString, call);
        Fixture f;
        f.showEverything();
        f.w.show();
        QWidget* control = f.find(name);
        const QPoint at = control->mapTo(&f.w, control->rect().center());
        const auto b = Qt::MouseButton(button);
        if (doubleClick) {
            QTest::mouseDClick(f.w.windowHandle(), b, {}, at);
        } else {
            QTest::mouseClick(f.w.windowHandle(), b, {}, at);
            QTest::mouseClick(f.w.windowHandle(), b, {}, at);
        }
        QCOMPARE(f.rec.calls, QStringList(count, call));
    }

    void cardBoxesMirrorTheModel_data()
    {
        QTest::addColumn<int>("card");
        QTest::addColumn<QPoint>("twips");
        QTest::addColumn<QPoint>("pixels");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QSize>("size");  // the box's, after a picture of the other kind
        const int back = ImageBack;
        const QSize backSize(72, 98), faceSize(71, 96);
        QTest::newRow("first of the stock") << 1 << QPoint(540, 120) << QPoint(36, 8) << back << backSize;
        QTest::newRow("last of the stock") << 48 << QPoint(681, 308) << QPoint(45, 21) << back << backSize;
        QTest::newRow("up card") << 30 << QPoint(100, 100) << QPoint(7, 7) << 30 << faceSize;
        QTest::newRow("user's hand") << 7 << QPoint(2500 + 11 * 500, 10080) << QPoint(533, 672) << 7 << faceSize;
        QTest::newRow("computer's trick card") << 12 << QPoint(10440, 4680) << QPoint(696, 312) << 12 << faceSize;
        QTest::newRow("user's pile, far right") << 40 << QPoint(10440 + 23 * 90, 7560) << QPoint(834, 504) << back
                                                << backSize;
    }
    void cardBoxesMirrorTheModel()
    {
        QFETCH(int, card);
        QFETCH(QPoint, twips);
        QFETCH(QPoint, pixels);
        QFETCH(int, picture);
        QFETCH(QSize, size);
        Fixture f;
        f.w.show();
        PicCardBox* box = f.w.PicCard(card);
        f.model().PicCard[card].Visible = true;
        f.model().PicCard[card].Picture = picture == ImageBack ? int16_t(card) : ImageBack;
        f.w.ShowModel();
        f.model().Move(card, twips.x(), twips.y());
        f.model().PicCard[card].Picture = int16_t(picture);
        f.w.ShowModel();
        QCOMPARE(box->pos(), pixels);
        QCOMPARE(box->Picture(), int16_t(picture));
        QCOMPARE(box->size(), size);
        QVERIFY(box->isVisible());
        f.model().PicCard[card].Visible = false;
        f.w.ShowModel();
        QVERIFY(!box->isVisible());
    }

    // Steps of bringing to the front (card index, or 0 for the meld panel), and which control
    // then takes a click where all of them overlap.
    void stackingFollowsZ_data()
    {
        QTest::addColumn<QList<int>>("fronts");
        QTest::addColumn<QString>("onTop");
        QTest::addColumn<bool>("together");  // all steps shown at once
        QTest::newRow("later box on top") << QList<int>{5, 6} << "PicCard(6)" << false;
        QTest::newRow("brought back up") << QList<int>{5, 6, 5} << "PicCard(5)" << false;
        QTest::newRow("meld panel over the cards") << QList<int>{5, 6, 0} << "FramDeclare" << false;
        QTest::newRow("a card over the panel") << QList<int>{0, 5, 6, 0, 6} << "PicCard(6)" << false;
        QTest::newRow("lower index last, at once") << QList<int>{6, 5} << "PicCard(5)" << true;
        QTest::newRow("panel first, at once") << QList<int>{0, 6, 5} << "PicCard(5)" << true;
        QTest::newRow("panel last, at once") << QList<int>{6, 5, 0} << "FramDeclare" << true;
    }
    void stackingFollowsZ()
    {
        QFETCH(QList<int>, fronts);
        QFETCH(QString, onTop);
        QFETCH(bool, together);
        Fixture f;
        TableModel& m = f.model();
        for (int card : {5, 6}) {
            m.PicCard[card].Visible = true;
            m.Move(card, 4500, 1200);  // inside the meld panel's place
        }
        m.FramDeclare.Visible = true;
        f.w.show();
        for (int step : fronts) {
            if (step == 0)
                m.BringToFront(m.FramDeclare);
            else
                m.BringToFront(step);
            if (!together)
                f.w.ShowModel();  // each step shown on its own, as the engine's pauses would
        }
        f.w.ShowModel();
        QWidget* hit = f.w.Surface()->childAt(QPoint(300 + 30, 80 + 40));
        while (hit && hit->parentWidget() != f.w.Surface())
            hit = hit->parentWidget();
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), onTop);
    }

    void stackingWhenZIsSetDirectly()
    {
        // Z values written straight into the model (not by bringing to the front) still stack.
        Fixture f;
        TableModel& m = f.model();
        for (int card : {8, 9}) {
            m.PicCard[card].Visible = true;
            m.Move(card, 6000, 7000);
        }
        m.PicCard[8].Z = 10;
        m.PicCard[9].Z = 20;
        f.w.show();
        const QPoint spot(400 + 10, 467 + 10);
        QCOMPARE(f.w.Surface()->childAt(spot), f.w.PicCard(9));
        m.PicCard[9].Z = 5;
        f.w.ShowModel();
        QCOMPARE(f.w.Surface()->childAt(spot), f.w.PicCard(8));
    }

    void labelsMirrorTheModel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::newRow("score") << "LblTotScoreC" << "1250" << "1250";
        QTest::newRow("user's total") << "LblTotalScoreP" << "-30" << "-30";
        QTest::newRow("access mark hidden") << "LblPlayer(0)" << "Tom &Jones" << "Tom Jones";
        QTest::newRow("doubled ampersand") << "LblBName" << "Tom && Jerry" << "Tom & Jerry";
        QTest::newRow("markup stays text") << "LblPname(1)" << "<b>Al</b>" << "<b>Al</b>";
        QTest::newRow("stock") << "LblStock" << "Stock 23" << "Stock 23";
    }
    void labelsMirrorTheModel()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        Fixture f;
        const std::pair<const char*, LabelModel TableModel::*> fields[] = {
            {"LblTotScoreC", &TableModel::LblTotScoreC}, {"LblTotalScoreP", &TableModel::LblTotalScoreP},
            {"LblPlayer(0)", &TableModel::LblPlayer},    {"LblBName", &TableModel::LblBName},
            {"LblPname(1)", &TableModel::LblPname},      {"LblStock", &TableModel::LblStock},
        };
        LabelModel* field = nullptr;
        for (auto [n, member] : fields)
            if (name == n)
                field = &(f.model().*member);
        QVERIFY(field);
        f.w.show();
        field->Caption = caption.toStdString();
        f.w.ShowModel();
        auto* label = f.find<QLabel>(name);
        QCOMPARE(label->text(), shown);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        field->Visible = false;
        f.w.ShowModel();
        QVERIFY(!label->isVisible());
    }

    void sortButtonStatusBarAndCaption()
    {
        Fixture f;
        f.w.show();
        auto* sort = f.find<QPushButton>("CmdSort");
        QVERIFY(!sort->isVisible());
        TableModel& m = f.model();
        m.CmdSort = {"Sort Suits", true};
        m.StatusBar[1] = {"Spades", int16_t(ImageSuitBase + SuitSpades)};
        m.StatusBar[2].Text = "Player press F2 for new game or use Menu.";
        m.StatusBar[4].Text = "Round 2";
        m.Caption = " Target Score 1000";
        f.w.ShowModel();
        QVERIFY(sort->isVisible());
        QCOMPARE(sort->text(), QString("Sort Suits"));
        auto* bar = f.find<StatusBar1>("StatusBar1");
        QCOMPARE(bar->Panel(1)->Text(), QString("Spades"));
        QCOMPARE(bar->Panel(1)->Picture(), int16_t(53));
        QCOMPARE(bar->Panel(2)->Text(), QString("Player press F2 for new game or use Menu."));
        QCOMPARE(bar->Panel(4)->Text(), QString("Round 2"));
        QCOMPARE(f.w.windowTitle(), QString(" Target Score 1000"));
    }

    void namesGrowWithTheirText()
    {
        Fixture f;
        auto* name = f.find<QLabel>("LblPlayer(0)");
        f.model().LblPlayer.Caption = "Player";
        f.w.ShowModel();
        const int designed = name->width();
        QVERIFY(qAbs(designed - 55) <= 2);  // as designed for "Player"
        f.model().LblPlayer.Caption = "Bartholomew the Magnificent";
        f.w.ShowModel();
        QVERIFY(name->width() >= name->fontMetrics().horizontalAdvance(name->text()));
        QCOMPARE(name->height(), 26);
        QVERIFY(name->width() > designed);
    }

    void oneLineCaptionsShowTheirWholeText()
    {
        Fixture f;
        for (const char* n : {"Label13", "Label10", "Label11", "Label6", "Label2", "Label5", "LastMeld", "Label8"}) {
            auto* label = f.find<QLabel>(n);
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()), n);
        }
    }

    void handlerChangesAreShownAtOnce()
    {
        Fixture f;
        f.showEverything();
        f.w.show();
        f.rec.onCardClick = [](Game& g) {
            g.Table.Move(3, 2500, 10080);
            g.Table.StatusBar[2].Text = "moved";
        };
        QTest::mouseClick(f.w.PicCard(48), Qt::LeftButton);
        QCOMPARE(f.w.PicCard(3)->pos(), QPoint(167, 672));
        QCOMPARE(f.find<StatusBar1>("StatusBar1")->Panel(2)->Text(), QString("moved"));
    }

    void closing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<bool>("keepOpen");
        QTest::addColumn<QString>("asked");
        QTest::newRow("close box, carry on") << true << true << "Form_QueryUnload(0)";
        QTest::newRow("close box, exit") << true << false << "Form_QueryUnload(0)";
        QTest::newRow("platform's close") << false << false << "Form_QueryUnload(1)";
    }
    void closing()
    {
        QFETCH(bool, closeBox);
        QFETCH(bool, keepOpen);
        QFETCH(QString, asked);
        Fixture f;
        f.w.show();
        f.rec.keepOpen = keepOpen;
        // The close box's close event comes to the native window, as the window system sends it;
        // the platform's own close goes to the widget.
        QCloseEvent close;
        QCoreApplication::sendEvent(closeBox ? static_cast<QObject*>(f.w.windowHandle()) : &f.w, &close);
        QCOMPARE(f.rec.calls, QStringList{asked});
        QCOMPARE(close.isAccepted(), !keepOpen);
    }

    void unloadAsksNothing()
    {
        // The program's end closes the window without asking again.
        Fixture f;
        f.w.show();
        f.w.Unload();
        QVERIFY(!f.w.isVisible());
        QVERIFY(f.rec.calls.isEmpty());
        QCOMPARE(f.t.g.PendingFlow, FlowRequest::None);
    }
};

QTEST_MAIN(TableWindowTest)
#include "test_table_window.moc"
