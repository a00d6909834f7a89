// New Game, the close box and Exit chosen at random moments of seeded whole games, answered
// every way: the program never hangs or crashes, the stack stays flat, nothing of an abandoned
// hand moves once it is replaced, a declined question changes nothing, and the settings file
// and its copy are always whole lines.
#include <QtTest>

#include <algorithm>
#include <optional>

#include "engine/flow/Flow.h"
#include "engine/handlers/Exit.h"
#include "engine/handlers/NewGameMenu.h"
#include "tests/support/SelfPlay.h"
#include "tests/support/SettingsFiles.h"

namespace {

enum Kind { KindNewGame = 1, KindCloseBox = 2, KindExit = 4 };

constexpr int16_t NoClick = -1;  // the dialog went away without a click
constexpr int16_t CloseBoxYes = AnswerButton1;  // " Do you really wish to exit?": "Yes Exit", "Carry On"
constexpr int16_t ExitYes = AnswerButton2;      // the Exit's question: "No Continue", "Yes Exit"
constexpr int16_t NewGameYes = AnswerButton2;   // "No Continue", "Yes New Game"

// Where the moments fell, by what the engine was doing when the event was handled.
enum Moment { CardWait, MeldWait, UserMeldMoving, Dealing, OtherPause, MomentCount };
const char* const MomentNames[] = {"the card wait", "the meld wait", "a meld's move", "the deal", "other pauses"};

// Every card as the table shows it and where the game has it.
struct Scene {
    std::array<CardBox, 49> Boxes{};
    std::array<int32_t, 49> Locations{};
    bool operator==(const Scene& o) const
    {
        for (int i = 1; i <= CardCount; ++i) {
            const CardBox &a = Boxes[i], &b = o.Boxes[i];
            if (a.Picture != b.Picture || a.Left != b.Left || a.Top != b.Top || a.Visible != b.Visible ||
                a.Z != b.Z || Locations[i] != o.Locations[i])
                return false;
        }
        return true;
    }
};

Scene Take(const Game& g)
{
    Scene s;
    for (int i = 1; i <= CardCount; ++i) {
        s.Boxes[i] = g.Table.PicCard[i];
        s.Locations[i] = g.Cards[i].Location;
    }
    return s;
}

struct Counts {
    int Runs = 0, Injected = 0, Exits = 0, Declined = 0, NewGames = 0, GamesDone = 0;
    std::array<int, MomentCount> Moments{};
};

class AbandonRun {
public:
    AbandonRun(uint64_t seed, int kinds, double rate, Counts& counts)
        : kinds_(kinds), rate_(rate), counts_(counts), play_(Options(seed))
    {
        VirtualPlatform& plat = play_.Plat();
        auto base = plat.AnswerDialog;
        plat.AnswerDialog = [this, base](const MessageDialogRequest& r) { return Answer(r, base); };
        // The runner is about to deal the next hand, or has ended the program.
        play_.G().HandEntry = [this, deal = play_.G().HandEntry](Game& g) {
            CheckReplaced();
            deal(g);
        };
    }

    void Run()
    {
        play_.Run();
        CheckEnd();
    }

    std::vector<std::string> Faults() const { return play_.Violations(); }
    const SelfPlay& Play() const { return play_; }

private:
    SelfPlayOptions Options(uint64_t seed)
    {
        SelfPlayOptions o;
        o.Seed = seed;
        o.Games = 2;
        o.MayExitEarly = true;
        o.Inject = [this](SelfPlay&) { Inject(); };
        return o;
    }

    Game& G() { return play_.G(); }
    std::string File(const char* name) { return play_.Plat().Folder + "/" + name; }

    void Inject()
    {
        if (G().PendingFlow != FlowRequest::None)
            play_.Violation("events handled while the flow waits to be replaced");
        if (play_.Chance(rate_))
            PostOne();
    }

    void PostOne()
    {
        std::vector<Kind> kinds;
        for (Kind k : {KindNewGame, KindCloseBox, KindExit})
            if (kinds_ & k)
                kinds.push_back(k);
        const Kind kind = kinds[static_cast<size_t>(play_.Pick(static_cast<int>(kinds.size())))];
        ++counts_.Injected;
        play_.Plat().Post([this, kind] { Handle(kind); });
    }

    Moment Now()
    {
        const Game& g = G();
        if (g.MeldInMotion)
            return UserMeldMoving;
        if (g.PlayerToMeld)
            return MeldWait;
        if (g.PlayerToPlay)
            return CardWait;
        return g.InRound1 || g.InRound2 ? OtherPause : Dealing;
    }

    int16_t Answer(const MessageDialogRequest& r, const std::function<int16_t(const MessageDialogRequest&)>& base)
    {
        // Around every dialog too: an event handled as soon as the dialog is answered.
        if (play_.Chance(rate_ * 3))
            PostOne();
        if (r.Title != "Really Exit?" && r.Title != "Leave this game?")
            return base(r);
        static constexpr int16_t answers[] = {AnswerButton1, AnswerButton2, NoClick};
        const int16_t a = answers[play_.Pick(3)];
        answers_.push_back(a);
        return a;
    }

    void Handle(Kind kind)
    {
        Game& g = G();
        ++counts_.Moments[Now()];
        const Scene before = Take(g);
        const auto allDat = ReadWholeFile(File("All.dat"));
        const bool inGame = g.GameInProgress;
        answers_.clear();
        bool consent = false;
        if (kind == KindNewGame) {
            bool replaced = false;
            try {
                MnuNew_Click(g);
            } catch (const FlowAbandoned&) {
                replaced = true;
            }
            consent = Asked(inGame ? 1 : 0) && (!inGame || answers_[0] == NewGameYes);
            if (replaced != consent)
                play_.Violation(replaced ? "New Game went ahead unconfirmed" : "a confirmed New Game did not start");
            if (replaced) {
                ++counts_.NewGames;
                Replaced(before);
                throw FlowAbandoned{};
            }
        } else if (kind == KindCloseBox) {
            const bool keptOpen = Form_QueryUnload(g, 0);
            const bool first = !answers_.empty() && answers_[0] == CloseBoxYes;
            consent = Asked(first && inGame ? 2 : 1) && first && (!inGame || answers_[1] == ExitYes);
            if (!keptOpen)
                play_.Violation("the close box let the window close under the waits on the stack");
        } else {
            MnuExit_Click(g);
            consent = Asked(inGame ? 1 : 0) && (!inGame || answers_[0] == ExitYes);
        }
        if (g.PendingFlow == FlowRequest::Exit) {
            if (!consent)
                play_.Violation("the program ends though the exit was declined");
            if (Take(g) != before)
                play_.Violation("the exit moved cards");
            ++counts_.Exits;
            exitLine_ = FormatSettingsLine(RecordOf(g));
            Replaced(Take(g));
            return;
        }
        if (consent)
            play_.Violation("a confirmed exit did not end the program");
        if (g.PendingFlow != FlowRequest::None)
            play_.Violation("a declined question asked for another flow");
        if (Take(g) != before)
            play_.Violation("a declined question moved cards");
        if (ReadWholeFile(File("All.dat")) != allDat)
            play_.Violation("a declined exit wrote All.dat");
        ++counts_.Declined;
    }

    bool Asked(size_t questions)
    {
        if (answers_.size() == questions)
            return true;
        play_.Violation(std::to_string(answers_.size()) + " questions asked, not " + std::to_string(questions));
        return false;
    }

    void Replaced(const Scene& scene)
    {
        atRequest_ = scene;
        serialAtRequest_ = G().FlowSerial;
    }

    // The runner is about to deal the next hand, or has ended the program: nothing may have moved
    // since the running flow was told to give way.
    void CheckReplaced()
    {
        if (!atRequest_)
            return;
        if (!(Take(G()) == *atRequest_))
            play_.Violation("a card of the abandoned hand moved after its replacement");
        if (!play_.Plat().Ended && G().FlowSerial != serialAtRequest_ + 1)
            play_.Violation("the replacement is not the next flow");
        atRequest_.reset();
    }

    void CheckEnd()
    {
        ++counts_.Runs;
        counts_.GamesDone += play_.Stats().Games;
        VirtualPlatform& plat = play_.Plat();
        if (plat.Ended && exitLine_.empty() && play_.Stats().Games != 2)
            play_.Violation("the program ended with no exit confirmed");
        if (!exitLine_.empty()) {
            if (!plat.Ended)
                play_.Violation("a confirmed exit did not end the program");
            CheckReplaced();
        }
        const auto frames = play_.HandEntryFrames();
        if (!std::all_of(frames.begin(), frames.end(), [&](uintptr_t f) { return f == frames.front(); }))
            play_.Violation("the stack grows from hand to hand");
        SettingsRecord read;
        const auto all = ReadWholeFile(File("All.dat"));
        if (exitLine_.empty() != !all)
            play_.Violation(all ? "All.dat written with no exit" : "the exit wrote no All.dat");
        else if (all && *all != exitLine_)
            play_.Violation("All.dat is not the line of the exit: " + WholeLineFault(*all, read));
        const auto data = ReadWholeFile(File("Data.dat"));
        if (!data) {
            if (play_.Stats().Games > 0)
                play_.Violation("no Data.dat after a finished game");
            return;
        }
        if (const std::string fault = WholeLineFault(*data, read); !fault.empty())
            play_.Violation("Data.dat " + fault);
        else if (read.GamesWonPlayer != G().GamesWon[SidePlayer] || read.GamesWonComputer != G().GamesWon[SideComputer])
            play_.Violation("Data.dat lost games won");
    }

    int kinds_;
    double rate_;
    Counts& counts_;
    SelfPlay play_;
    std::vector<int16_t> answers_;  // to the questions of the handler now running
    std::optional<Scene> atRequest_;
    uint64_t serialAtRequest_ = 0;
    std::string exitLine_;  // the settings line when the exit was confirmed
};

}  // namespace

class AbandonTest : public QObject {
    Q_OBJECT
private slots:
    void abandonAtRandomMoments_data()
    {
        QTest::addColumn<int>("kinds");
        QTest::addColumn<int>("runs");
        QTest::addColumn<double>("rate");  // the chance of an event at each round of event processing
        QTest::newRow("new game") << int(KindNewGame) << 250 << 0.0003;
        QTest::newRow("close box") << int(KindCloseBox) << 250 << 0.0003;
        QTest::newRow("exit") << int(KindExit) << 250 << 0.0003;
        QTest::newRow("all three") << int(KindNewGame | KindCloseBox | KindExit) << 250 << 0.0003;
    }
    void abandonAtRandomMoments()
    {
        QFETCH(int, kinds);
        QFETCH(int, runs);
        QFETCH(double, rate);
        Counts counts;
        for (int r = 0; r < runs; ++r) {
            AbandonRun run(uint64_t(kinds) * 100'000 + uint64_t(r), kinds, rate, counts);
            run.Run();
            const auto faults = run.Faults();
            if (!faults.empty())
                QFAIL(faults.front().c_str());
        }
        QString moments;
        for (int m = 0; m < MomentCount; ++m)
            moments += QString(", %1 in %2").arg(counts.Moments[m]).arg(MomentNames[m]);
        qInfo("%d runs, %d games played out, %d events: %d exits, %d new games, %d declined%s", counts.Runs,
              counts.GamesDone, counts.Injected, counts.Exits, counts.NewGames, counts.Declined, qPrintable(moments));
        QCOMPARE(counts.Runs, runs);
        QVERIFY(counts.Declined > 0);
        QVERIFY(counts.GamesDone > 0);
        QCOMPARE(counts.Exits > 0, (kinds & (KindCloseBox | KindExit)) != 0);
        QCOMPARE(counts.NewGames > 0, (kinds & KindNewGame) != 0);
        for (int m = 0; m < MomentCount; ++m)
            QVERIFY2(counts.Moments[m] > 0, MomentNames[m]);
    }
};

QTEST_APPLESS_MAIN(AbandonTest)
#include "test_abandon.moc"
