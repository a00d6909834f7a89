// Thousands of seeded whole games through the handlers, every invariant checked after every
// step. Each data row is one share of the games, so that CTest can run the shares side by side;
// QUILLMERE_SOAK_GAMES sets how many games all shares play together.
#include <QtTest>

#include <algorithm>
#include <cstdlib>

#include "tests/support/SelfPlay.h"

#ifndef SOAK_SHARDS
#define SOAK_SHARDS 8
#endif

namespace {

constexpr int DefaultGames = 10'000;
constexpr int GamesPerDriver = 25;  // a fresh table (and platform) every so many games

int TotalGames()
{
    const char* text = std::getenv("QUILLMERE_SOAK_GAMES");
    const int n = text ? std::atoi(text) : DefaultGames;
    return n > 0 ? n : DefaultGames;
}

// Each driver plays with its own style, drawn from its seed: pace, last-card choice, and the
// chances of melding, knocking, sorting and stray clicks.
SelfPlayOptions StyleFor(uint64_t seed, int games)
{
    std::mt19937_64 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint64_t>(n)); };
    auto chance = [&] { return std::uniform_real_distribution<double>(0.0, 1.0)(rng); };
    static constexpr int16_t speeds[] = {25, 100, 250};
    SelfPlayOptions o;
    o.Seed = seed;
    o.Games = games;
    o.Speed = speeds[pick(3)];
    o.LastCardChoice = pick(3) - 1;
    o.MeldAttempt = chance();
    o.GoodPlay = chance();
    o.Knock = chance();
    o.SortClick = 0.15 * chance();
    o.RefusedClick = 0.2 * chance();
    return o;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void soak_data()
    {
        QTest::addColumn<int>("shard");
        for (int s = 1; s <= SOAK_SHARDS; ++s)
            QTest::newRow(qPrintable(QString("shard%1").arg(s))) << s;
    }
    void soak()
    {
        QFETCH(int, shard);
        const int total = TotalGames();
        const int mine = total / SOAK_SHARDS + (shard <= total % SOAK_SHARDS ? 1 : 0);
        SelfPlayStats sum;
        int drivers = 0;
        QElapsedTimer clock;
        clock.start();
        for (int done = 0; done < mine; done += GamesPerDriver, ++drivers) {
            const int games = std::min(GamesPerDriver, mine - done);
            const uint64_t seed = uint64_t(shard) * 1'000'003u + uint64_t(drivers);
            SelfPlay play(StyleFor(seed, games));
            play.Run();
            if (!play.Violations().empty())
                QFAIL(qPrintable(QString::fromStdString(play.Violations().front()) +
                                 QString(" (%1 broken rules in all)").arg(play.Violations().size())));
            const SelfPlayStats& s = play.Stats();
            QCOMPARE(s.Games, games);
            const auto& frames = play.HandEntryFrames();
            QCOMPARE(int(frames.size()), s.Hands);
            QVERIFY2(std::all_of(frames.begin(), frames.end(), [&](uintptr_t f) { return f == frames.front(); }),
                     qPrintable(QString("seed %1: the stack grows from hand to hand").arg(seed)));
            sum.Games += s.Games;
            sum.Hands += s.Hands;
            sum.CompletedHands += s.CompletedHands;
            sum.UserWins += s.UserWins;
            sum.UserKnocks += s.UserKnocks;
            sum.MeldsMade += s.MeldsMade;
            sum.StockCardChoices += s.StockCardChoices;
            sum.UpCardChoices += s.UpCardChoices;
            sum.RefusedClicks += s.RefusedClicks;
        }
        const double seconds = std::max(clock.elapsed(), qint64(1)) / 1000.0;
        qInfo("shard %d: %d games, %d hands in %.2f s: %.0f games/s, %.0f hands/s", shard, sum.Games, sum.Hands,
              seconds, sum.Games / seconds, sum.Hands / seconds);
        QCOMPARE(sum.Games, mine);
        QVERIFY(sum.CompletedHands >= sum.Games);
        // Every road the scripted user can take was taken in this share.
        if (mine >= 100) {
            QVERIFY(sum.UserWins > 0);
            QVERIFY(sum.UserKnocks > 0);
            QVERIFY(sum.MeldsMade > 0);
            QVERIFY(sum.StockCardChoices > 0);
            QVERIFY(sum.UpCardChoices > 0);
            QVERIFY(sum.RefusedClicks > 0);
        }
    }
};

QTEST_APPLESS_MAIN(SoakTest)
#include "test_soak.moc"
