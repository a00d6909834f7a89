// Whole games, hundreds of them, played by a scripted user through the handlers, with the
// game's invariants checked after every step.
#include <QtTest>

#include "engine/handlers/NewGameMenu.h"
#include "tests/support/SelfPlay.h"

namespace {

QString Report(const SelfPlay& play)
{
    QStringList lines;
    for (const std::string& v : play.Violations())
        lines << QString::fromStdString(v);
    return lines.join('\n');
}

}  // namespace

class SelfPlayTest : public QObject {
    Q_OBJECT
private slots:
    void wholeGames_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("games");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("lastCard");
        QTest::addColumn<double>("melds");
        QTest::addColumn<double>("knock");
        QTest::addColumn<double>("refused");
        QTest::addColumn<bool>("userWinsSome");  // melding every turn, the user wins some games
        QTest::newRow("mixed play") << quint64(1) << 150 << 100 << -1 << 0.8 << 0.7 << 0.1 << true;
        QTest::newRow("always the stock card") << quint64(2) << 100 << 25 << 0 << 0.8 << 1.0 << 0.1 << false;
        QTest::newRow("always the up card") << quint64(3) << 100 << 250 << 1 << 0.8 << 0.5 << 0.1 << true;
        QTest::newRow("never melds, never knocks") << quint64(4) << 75 << 100 << -1 << 0.0 << 0.0 << 0.0 << false;
        QTest::newRow("eager melds and stray clicks") << quint64(5) << 75 << 100 << -1 << 1.0 << 1.0 << 0.5 << true;
    }
    void wholeGames()
    {
        QFETCH(quint64, seed);
        QFETCH(int, games);
        QFETCH(int, speed);
        QFETCH(int, lastCard);
        QFETCH(double, melds);
        QFETCH(double, knock);
        QFETCH(double, refused);
        QFETCH(bool, userWinsSome);
        SelfPlayOptions o;
        o.Seed = seed;
        o.Games = games;
        o.Speed = static_cast<int16_t>(speed);
        o.LastCardChoice = lastCard;
        o.MeldAttempt = melds;
        o.Knock = knock;
        o.RefusedClick = refused;
        SelfPlay play(o);
        play.Run();
        QVERIFY2(play.Violations().empty(), qPrintable(Report(play)));
        const SelfPlayStats& s = play.Stats();
        qDebug("hands %d (%d played out), user wins %d, computer wins %d, knocks %d, melds %d of %d tried, "
               "target rises %d, Nines up %d, refused clicks %d",
               s.Hands, s.CompletedHands, s.UserWins, s.ComputerWins, s.UserKnocks, s.MeldsMade, s.MeldAttempts,
               s.TargetRises, s.NinesTurnedUp, s.RefusedClicks);
        QCOMPARE(s.Games, games);
        QCOMPARE(s.UserWins + s.ComputerWins, games);
        QVERIFY(s.CompletedHands >= games);
        QVERIFY(s.Hands >= s.CompletedHands);
        // Both ends of the stock's choice are met; the computer wins some games, the user some.
        QVERIFY(s.StockCardChoices + s.UpCardChoices > 0);
        if (lastCard == 0)
            QCOMPARE(s.UpCardChoices, 0);
        if (lastCard == 1)
            QCOMPARE(s.StockCardChoices, 0);
        QVERIFY(s.ComputerWins > 0);
        if (userWinsSome)
            QVERIFY(s.UserWins > 0);
        QCOMPARE(s.MeldsMade > 0, melds > 0);
        // The stack is as deep at the start of the last hand as at the first.
        const auto& frames = play.HandEntryFrames();
        QCOMPARE(int(frames.size()), s.Hands);
        QVERIFY(std::all_of(frames.begin(), frames.end(), [&](uintptr_t f) { return f == frames.front(); }));
    }

    void newGameAtRandomMoments()
    {
        // New Game chosen at any moment, answered either way: abandoned hands never resume and
        // the stack stays flat.
        SelfPlayOptions o;
        o.Seed = 11;
        o.Games = 40;
        o.Inject = [](SelfPlay& p) {
            if (p.Chance(0.002))
                p.Plat().Post([&p] { MnuNew_Click(p.G()); });
        };
        SelfPlay play(o);
        play.Run();
        QVERIFY2(play.Violations().empty(), qPrintable(Report(play)));
        QCOMPARE(play.Stats().Games, 40);
        QVERIFY(play.Stats().GamesLeft > 0);
        const auto& frames = play.HandEntryFrames();
        QVERIFY(std::all_of(frames.begin(), frames.end(), [&](uintptr_t f) { return f == frames.front(); }));
    }

    void injectedFaultsAreCaught_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a card goes nowhere") << 0 << "at location 0";
        QTest::newRow("points from nowhere") << 1 << "game total";
        QTest::newRow("a card left to draw vanishes") << 2 << "cards left to draw";
    }
    void injectedFaultsAreCaught()
    {
        // The driver's checks themselves: a fault slipped in mid-game is reported.
        QFETCH(int, fault);
        QFETCH(QString, expected);
        SelfPlayOptions o;
        o.Seed = 7;
        o.Games = 1;
        bool done = false;
        o.Inject = [&](SelfPlay& p) {
            Game& g = p.G();
            if (done || !g.InRound1 || g.TricksPlayed != 5)
                return;
            done = true;
            if (fault == 0)
                g.Cards[1].Location = 0;
            else if (fault == 1)
                g.TotalScoreC = static_cast<int16_t>(g.TotalScoreC + 20);
            else
                g.StockCount = static_cast<int16_t>(g.StockCount + 1);
        };
        SelfPlay play(o);
        play.Run();
        QVERIFY(done);
        QVERIFY(!play.Violations().empty());
        QVERIFY2(Report(play).contains(expected), qPrintable(Report(play)));
    }
};

QTEST_APPLESS_MAIN(SelfPlayTest)
#include "test_selfplay.moc"
