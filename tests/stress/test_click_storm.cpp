// Clicks at random moments of seeded whole games, on every card box, every button of the meld
// panels, sort, knock, the reminder and the menus that change nothing of the game's course:
// every invariant holds throughout, every click that is no move changes nothing, every refused
// move gets its notice, word for word, and an accepted card is played once.
#include <QtTest>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "engine/flow/Flow.h"
#include "engine/hand/Trick.h"
#include "engine/handlers/CardClick.h"
#include "engine/handlers/Knock.h"
#include "engine/handlers/MeldPanel.h"
#include "engine/handlers/Menus.h"
#include "engine/handlers/Sort.h"
#include "engine/steps/Layout.h"
#include "tests/support/SelfPlay.h"
#include "tests/support/SettingsFiles.h"

namespace {

constexpr int GamesPerDriver = 10;
constexpr double WaitRate = 0.3;
// The user stops changing the target once a game has gone on this long: lowered again and again
// below both totals, it would keep the game from ever ending.
constexpr int TargetClicksUpToHand = 30;
const char* const Accepted = "accepted";
const char* const Ignored = "ignored";
const std::set<std::string> RefusalTitles = {"Tut Tut", "Cards out of game", "The Up Card", "Must follow suit.",
                                             "You have a Trump"};

// The notices a click that is no move gets, as the user reads them.
MessageDialogRequest NoticeFor(const Game& g, const std::string& title)
{
    const std::string& name = g.PlayerName;
    const std::map<std::string, std::pair<std::string, std::string>> notices = {
        {"Tut Tut", {name + " You really musn't try to look at " + g.BotName + " card you know!", "Just Peeping"}},
        {"Cards out of game", {name + " These cards have been played and are now out of the hand.", "Right"}},
        {"The Up Card", {name + " This is the UpCard " + g.Cards[g.UpCard].Name + " and the suit is trumps", "Right"}},
        {"Must follow suit.", {name + " You have a card of the same suit and must play it.", "Ah Right"}},
        {"You have a Trump", {name + " You have a Trump and must play it.", "O.K"}},
    };
    const auto& [prompt, button] = notices.at(title);
    return {prompt, button, "", "", IconInfo, title};
}

// A dialog as the user sees it: title, prompt, buttons and icon.
std::string Shown(const MessageDialogRequest& d)
{
    return "\"" + d.Title + "\": \"" + d.Prompt + "\" [" + d.Button1 + "|" + d.Button2 + "|" + d.Button3 + "] icon " +
           std::to_string(d.Icon);
}

// The cards of the user's hand that may be played now: any of them, except when answering the
// computer's lead in the second phase: then those of the led card's suit, else the trumps, else
// any.
std::set<int16_t> PlayableCards(const Game& g, bool& holdsLed)
{
    std::set<int16_t> hand, led, trumps;
    const int32_t ledSuit = g.Cards[g.TrickCard1].Suit;
    for (int16_t i = 1; i <= CardCount; ++i) {
        if (g.Cards[i].Location != LocPlayerHand)
            continue;
        hand.insert(i);
        if (g.Cards[i].Suit == ledSuit)
            led.insert(i);
        if (g.Cards[i].Suit == g.TrumpSuit)
            trumps.insert(i);
    }
    holdsLed = !led.empty();
    if (!g.InRound2 || g.Turn == SidePlayer)
        return hand;
    return holdsLed ? led : !trumps.empty() ? trumps : hand;
}

// What a click on the card must bring, from what the user sees: Accepted, Ignored, or the title
// of the notice that answers it. A card outside the user's hand gets the notice that says whose
// it is, except the stock's, face down, and the up card while it is handed out at the twelfth
// trick; a card of the hand is played when the rules allow it, and refused with the rule it
// breaks when not.
std::string Judge(const Game& g, int16_t card)
{
    static const std::map<int32_t, const char*> notOwn = {
        {LocComputerHand, "Tut Tut"}, {LocPlayed, "Cards out of game"}, {LocUpCard, "The Up Card"}};
    const int32_t location = g.Cards[card].Location;
    if (!g.GameInProgress || !g.PlayerToPlay)
        return Ignored;  // the engine does not wait for a card
    if (location != LocPlayerHand) {
        const auto it = notOwn.find(location);
        const bool handedOut = location == LocUpCard && g.TricksPlayed == TricksInRound1;
        return it == notOwn.end() || handedOut ? Ignored : it->second;
    }
    if (g.Table.FramDeclare.Visible || g.Table.FramMarriage.Visible || !(g.InRound1 || g.InRound2))
        return Ignored;  // the meld turn, or between phases
    bool holdsLed = false;
    if (PlayableCards(g, holdsLed).count(card))
        return Accepted;
    return holdsLed ? "Must follow suit." : "You have a Trump";
}

struct Storm {
    Storm(uint64_t seed, double rate, int& eventsLeft, std::map<std::string, int>& tally)
        : rate_(rate), eventsLeft_(eventsLeft), tally_(tally), play_(Options(seed))
    {
    }

    SelfPlayOptions Options(uint64_t seed)
    {
        SelfPlayOptions o;
        o.Seed = seed;
        o.Games = GamesPerDriver;
        o.Knock = 0.1;  // the knock offered stays on the table a while, for the storm to click
        o.Inject = [this](SelfPlay&) { Inject(); };
        return o;
    }

    Game& G() { return play_.G(); }
    VirtualPlatform& Plat() { return play_.Plat(); }
    void Fault(const std::string& what) { play_.Violation(what); }

    void Inject()
    {
        const Game& g = G();
        // Whenever the engine itself waits for the user, the table is settled; clicks come
        // thickest there.
        const bool userWait = g.WaitDepth == 1 && (g.PlayerToPlay || g.PlayerToMeld) && !Plat().HasPendingEvents();
        if (userWait)
            CheckRows(true);
        if (eventsLeft_ > 0 && play_.Chance(userWait ? std::max(rate_, WaitRate) : rate_)) {
            --eventsLeft_;
            Plat().Post(PickEvent(userWait));
        }
    }

    // The user's row face up on one line, no two cards on the same place; the computer's hand
    // face down.
    void CheckRows(bool computerToo)
    {
        const Game& g = G();
        std::set<int> lefts;
        int top = -1;
        for (int i = 1; i <= CardCount; ++i) {
            const CardInfo& c = g.Cards[i];
            const CardBox& box = g.Table.PicCard[i];
            if (c.Melded)
                continue;
            if (c.Location == LocPlayerHand) {
                if (!box.Visible || box.Picture != i || (top >= 0 && box.Top != top) || !lefts.insert(box.Left).second)
                    Fault("the user's card " + std::to_string(i) + " is out of its row");
                top = box.Top;
            } else if (computerToo && c.Location == LocComputerHand && (!box.Visible || box.Picture != ImageBack)) {
                Fault("the computer's card " + std::to_string(i) + " is not face down in its hand");
            }
        }
    }

    // Runs a handler that may lose its flow to a knock made during one of its pauses; true when
    // it came back.
    bool Survives(const std::function<void()>& handler)
    {
        try {
            handler();
            return true;
        } catch (const FlowAbandoned&) {
            return false;
        }
    }

    // At the user's wait, half the card clicks go to the user's own hand, where the rules of
    // the second phase refuse some.
    std::function<void()> PickEvent(bool userWait)
    {
        const int roll = play_.Pick(100);
        if (G().Table.LblKnock.Visible && play_.Chance(0.2))
            return [this] { Knock(); };
        if (roll < 50) {
            std::vector<int16_t> hand;
            for (int i = 1; i <= CardCount; ++i)
                if (G().Cards[i].Location == LocPlayerHand)
                    hand.push_back(static_cast<int16_t>(i));
            if (userWait && !hand.empty() && play_.Chance(0.5))
                return CardClick(hand[static_cast<size_t>(play_.Pick(static_cast<int>(hand.size())))]);
            return CardClick(static_cast<int16_t>(1 + play_.Pick(CardCount)));
        }
        if (roll < 72)
            return MeldClick(play_.Pick(13));
        if (roll < 78)
            return [this] { Cancel(); };
        if (roll < 84)
            return [this] { Sort(); };
        if (roll < 88)
            return [this] { Knock(); };
        if (roll < 92)
            return [this] { Reminder(); };
        return MenuClick(play_.Pick(8));
    }

    std::function<void()> CardClick(int16_t card)
    {
        return [this, card] {
            Game& g = G();
            if (!g.Table.PicCard[card].Visible)
                return;  // a box that is not shown takes no click
            const std::string expected = Judge(g, card);
            const bool noticed = expected != Accepted && expected != Ignored;
            const MessageDialogRequest notice = noticed ? NoticeFor(g, expected) : MessageDialogRequest{};
            const size_t dialogs = Plat().Dialogs.size();
            const int32_t location = g.Cards[card].Location;
            const bool waiting = g.PlayerToPlay;
            const bool back = Survives([&] { PicCard_Click(g, card); });
            ++tally_[expected];
            const auto& log = Plat().Dialogs;
            const std::string what = "a click on " + g.Cards[card].Name + " (" + expected + ")";
            if (expected == Accepted) {
                for (size_t d = dialogs; d < log.size(); ++d)
                    if (RefusalTitles.count(log[d].Title))
                        Fault(what + " also got \"" + log[d].Title + "\"");
                if (back && (g.Cards[card].Location != LocPlayed || g.PlayerToPlay))
                    Fault(what + " did not play it");
            } else {
                const size_t notices = expected == Ignored ? 0 : 1;
                if (log.size() != dialogs + notices || (notices && log[dialogs].Title != expected))
                    Fault(what + " was answered by " + std::to_string(log.size() - dialogs) + " dialogs" +
                          (log.size() > dialogs ? ", the first \"" + log[dialogs].Title + "\"" : std::string()));
                if (noticed && log.size() > dialogs && Shown(log[dialogs]) != Shown(notice))
                    Fault(what + " was answered by " + Shown(log[dialogs]) + ", not " + Shown(notice));
                if (g.Cards[card].Location != location || g.PlayerToPlay != waiting)
                    Fault(what + " moved something");
            }
        };
    }

    std::function<void()> MeldClick(int which)
    {
        return [this, which] {
            Game& g = G();
            const bool marriage = which >= 9;
            const FrameModel& panel = marriage ? g.Table.FramMarriage : g.Table.FramDeclare;
            const bool open = panel.Visible && !g.MeldInMotion;
            const size_t dialogs = Plat().Dialogs.size();
            const int16_t melds = g.TotalMeldsP;
            const bool turn = g.PlayerToMeld;
            const bool back = Survives([&] {
                if (which < 4)
                    (which == 0 ? CmdDBezique_Click : which == 1 ? CmdBezique_Click : which == 2 ? CmdSequence_Click
                                                                                                 : cmdDec7Trumps_Click)(g);
                else if (which < 8)
                    CmdFours_Click(g, static_cast<int16_t>(which - 4));
                else if (which == 8)
                    CmdMakeMarriage_Click(g, 4);
                else
                    CmdMarriage_Click(g, static_cast<int16_t>(which - 8));
            });
            ++tally_[open ? "meld button" : "meld button of a hidden panel"];
            if (!back)
                return;
            if (!open && (Plat().Dialogs.size() != dialogs || g.TotalMeldsP != melds || g.PlayerToMeld != turn))
                Fault("meld button " + std::to_string(which) + " acted with its panel closed");
            if (open && which == 8 && !(g.Table.FramMarriage.Visible && !g.Table.FramDeclare.Visible))
                Fault("Make Marriage did not bring up the suits");
            if (open && which != 8 && g.PlayerToMeld && Plat().Dialogs.size() == dialogs)
                Fault("meld button " + std::to_string(which) + " neither melded nor said why not");
        };
    }

    void Cancel()
    {
        Game& g = G();
        const bool open = g.Table.FramDeclare.Visible;
        const bool toPlay = g.PlayerToPlay, toMeld = g.PlayerToMeld;
        CmdCancel_Click(g);
        ++tally_["cancel"];
        if (open ? (g.PlayerToMeld || g.Table.FramDeclare.Visible || g.Table.FramMarriage.Visible)
                 : (g.PlayerToPlay != toPlay || g.PlayerToMeld != toMeld))
            Fault(open ? "Cancel left the meld turn open" : "Cancel outside a meld turn ended a wait");
    }

    void Sort()
    {
        Game& g = G();
        const std::string caption = g.Table.CmdSort.Caption;
        CmdSort_Click(g);
        ++tally_["sort"];
        const bool dealt = caption == CaptionSortSuits || caption == CaptionSortSame;
        const std::string next = caption == CaptionSortSuits ? CaptionSortSame : CaptionSortSuits;
        if (dealt && g.Table.CmdSort.Caption != next)
            Fault("the sort button reads " + g.Table.CmdSort.Caption + " after " + caption);
        if (dealt)
            CheckRows(false);
    }

    void Knock()
    {
        Game& g = G();
        if (!g.Table.LblKnock.Visible)
            return;  // a hidden label takes no click
        ++tally_["knock"];
        LblKnock_Click(g);
    }

    void Reminder()
    {
        Game& g = G();
        ++tally_["reminder"];
        if (g.Table.FramMeldHelp.Visible) {
            Command1_Click(g);
            if (g.Table.FramMeldHelp.Visible)
                Fault("O.K left the reminder open");
            return;
        }
        MnuReminder_Click(g);
        if (!g.Table.FramMeldHelp.Visible || g.Table.FramMeldHelp.Z + 1 != g.Table.NextZ)
            Fault("the reminder is not shown in front");
    }

    std::function<void()> MenuClick(int which)
    {
        struct Menu {
            void (*Click)(Game&);
            int16_t Game::*Setting;
            int16_t Value;
        };
        static const Menu menus[] = {{MnuFast_Click, &Game::Speed, 25},        {MnuMedium_Click, &Game::Speed, 100},
                                     {MnuSlow_Click, &Game::Speed, 250},       {Menu1000_Click, &Game::TargetScore, 1000},
                                     {MenuMedium_Click, &Game::TargetScore, 750}, {MnuHalf_Click, &Game::TargetScore, 500},
                                     {MnuQuick_Click, &Game::TargetScore, 300}, {MnuuView_Click, nullptr, 0}};
        return [this, menu = menus[which]] {
            Game& g = G();
            if (menu.Setting == &Game::TargetScore && g.RoundNumber > TargetClicksUpToHand)
                return;
            const size_t boxes = Plat().MsgBoxes.size(), dialogs = Plat().Dialogs.size();
            menu.Click(g);
            ++tally_["menu"];
            if (menu.Setting ? (g.*menu.Setting != menu.Value || Plat().MsgBoxes.size() != boxes + 1)
                             : (Plat().Dialogs.size() != dialogs + 1 || Plat().Dialogs.back().Title != "Current Statistics"))
                Fault("a menu did not do its work");
        };
    }

    void Run()
    {
        play_.Run();
        SettingsRecord read;
        const auto data = ReadWholeFile(Plat().Folder + "/Data.dat");
        if (!data)
            return Fault("no Data.dat after the games");
        if (const std::string fault = WholeLineFault(*data, read); !fault.empty())
            return Fault("Data.dat " + fault);
        if (read.GamesWonPlayer != G().GamesWon[SidePlayer] || read.GamesWonComputer != G().GamesWon[SideComputer])
            Fault("Data.dat lost games won");
    }

    double rate_;
    int& eventsLeft_;
    std::map<std::string, int>& tally_;
    SelfPlay play_;
};

}  // namespace

class ClickStormTest : public QObject {
    Q_OBJECT
private slots:
    void storm()
    {
        // Four intensities of 2,500 clicks each, from now and then to several at every round of
        // event processing; every kind of click and notice is met somewhere among them.
        struct Intensity {
            uint64_t Seed;
            double Rate;  // the chance of a click at each round of event processing
        };
        constexpr int EventsEach = 2500;
        std::map<std::string, int> tally;
        for (const Intensity& in : {Intensity{31, 0.01}, Intensity{32, 0.05}, Intensity{33, 0.2}, Intensity{34, 0.5}}) {
            int left = EventsEach;
            for (uint64_t driver = 0; left > 0; ++driver) {
                Storm storm(in.Seed * 1000 + driver, in.Rate, left, tally);
                storm.Run();
                const auto& faults = storm.play_.Violations();
                if (!faults.empty())
                    QFAIL(faults.front().c_str());
                const auto& frames = storm.play_.HandEntryFrames();
                QVERIFY(std::all_of(frames.begin(), frames.end(), [&](uintptr_t f) { return f == frames.front(); }));
            }
        }
        QStringList counts;
        for (const auto& [what, n] : tally)
            counts << QString("%1 %2").arg(n).arg(QString::fromStdString(what));
        qInfo("%s", qPrintable(counts.join(", ")));
        for (const std::string& title : RefusalTitles)
            QVERIFY2(tally[title] > 0, title.c_str());
        for (const char* what : {Accepted, Ignored, "meld button", "cancel", "sort", "knock", "reminder", "menu"})
            QVERIFY2(tally[what] > 0, what);
    }
};

QTEST_APPLESS_MAIN(ClickStormTest)
#include "test_click_storm.moc"
