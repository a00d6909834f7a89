#include "tests/support/SelfPlay.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <unistd.h>

#include "engine/flow/Flow.h"
#include "engine/hand/Deal.h"
#include "engine/hand/Trick.h"
#include "engine/handlers/CardClick.h"
#include "engine/handlers/Knock.h"
#include "engine/handlers/MeldPanel.h"
#include "engine/handlers/NewGameMenu.h"
#include "engine/handlers/Sort.h"
#include "engine/handlers/StartUp.h"
#include "engine/state/CardTable.h"

namespace {

constexpr int HandPoints = 240 + LastTrickBonus;
constexpr int NinePoints = 10;
constexpr int MaxExtraActions = 3;
constexpr int MeldOptionCount = 12;  // eight buttons and four marriage suits

bool LegalLocation(int32_t loc)
{
    return loc == LocComputerHand || loc == LocPlayerHand || loc == LocStock || loc == LocPlayed ||
           loc == LocUpCard;
}

// Whether the side at that location holds the suit; `extra` counts as one of its cards.
bool Holds(const Game& g, int32_t location, int32_t suit, int extra)
{
    for (int i = 1; i <= CardCount; ++i)
        if ((g.Cards[i].Location == location || i == extra) && g.Cards[i].Suit == suit)
            return true;
    return false;
}

// The second phase's rule for a card answering the led suit, for the side at that location
// (the card itself counted in its hand).
bool AnswerKeepsRules(const Game& g, int32_t location, int card)
{
    const int32_t led = g.TrickSuit1;
    const int32_t suit = g.Cards[card].Suit;
    if (Holds(g, location, led, card))
        return suit == led;
    if (Holds(g, location, g.TrumpSuit, card))
        return suit == g.TrumpSuit;
    return true;
}

std::string TempFolder()
{
    static std::atomic<int> counter{0};
    const auto path = std::filesystem::temp_directory_path() /
                      ("quillmere-selfplay-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path);
    return path.string();
}

}  // namespace

SelfPlay::SelfPlay(SelfPlayOptions options)
    : options_(std::move(options)), plat_(options_.Seed), game_(std::make_unique<Game>(plat_)),
      rng_(options_.Seed * 0x9E3779B97F4A7C15ull + 1), folder_(TempFolder())
{
    plat_.G = game_.get();
    plat_.Folder = folder_;
    plat_.OnIdle = [this] { return ActForUser(); };
    plat_.OnProcessEvents = [this] {
        CheckInvariants();
        if (options_.Inject)
            options_.Inject(*this);
    };
    plat_.AnswerDialog = [this](const MessageDialogRequest& r) { return AnswerDialog(r); };
    game_->HandEntry = [this](Game& g) { EnterHand(g); };
}

SelfPlay::~SelfPlay()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

bool SelfPlay::Chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_) < p; }

int SelfPlay::Pick(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }

void SelfPlay::Violation(const std::string& what)
{
    if (violations_.size() >= options_.MaxViolations)
        return;
    const Game& g = *game_;
    violations_.push_back("seed " + std::to_string(options_.Seed) + ", game " + std::to_string(stats_.Games + 1) +
                          ", hand " + std::to_string(g.RoundNumber) + ", trick " + std::to_string(g.TricksPlayed) +
                          ": " + what);
}

void SelfPlay::Run()
{
    Game& g = *game_;
    Form_Load(g);
    g.Speed = options_.Speed;
    RunHandler([&] { MnuNew_Click(g); });
    try {
        plat_.RunScheduledFlows();
    } catch (const EngineHang& e) {
        Violation(std::string("hang: ") + e.what());
    } catch (const std::exception& e) {
        Violation(std::string("exception: ") + e.what());
    }
    if (!plat_.Ended)
        Violation("the program did not end");
    if (stats_.Games != options_.Games && !(options_.MayExitEarly && plat_.Ended))
        Violation("played " + std::to_string(stats_.Games) + " games of " + std::to_string(options_.Games));
    if (g.WaitDepth != 0)
        Violation("waits left on the stack at the end");
}

void SelfPlay::EnterHand(Game& g)
{
    frames_.push_back(reinterpret_cast<uintptr_t>(__builtin_frame_address(0)));
    StartHand();
    NewHand(g);
}

void SelfPlay::StartHand()
{
    const Game& g = *game_;
    if (g.WaitDepth != 0)
        Violation("a hand starts with " + std::to_string(g.WaitDepth) + " waits on the stack");
    if (g.GameInProgress) {
        // Only the end of a hand that did not end the game deals on with the game running.
        if (!handEndChecked_)
            Violation("the next hand is dealt before the hand's end");
        bankedP_ = g.TotalScoreP;
        bankedC_ = g.TotalScoreC;
    } else {
        bankedP_ = bankedC_ = 0;
    }
    ++stats_.Hands;
    upValueKnown_ = nineUp_ = handEndChecked_ = secondPhaseChecked_ = false;
    followCheckedTrick_ = 0;
    extraActions_ = 0;
    EndMeldTurn();
}

void SelfPlay::CheckInvariants()
{
    const Game& g = *game_;
    for (int i = 1; i <= CardCount; ++i)
        if (!LegalLocation(g.Cards[i].Location))
            Violation("card " + std::to_string(i) + " at location " + std::to_string(g.Cards[i].Location));
    if (CountAt(g, LocUpCard) > 1)
        Violation("more than one up card");
    if (g.InRound1 && g.InRound2)
        Violation("both phases at once");
    if (g.InRound1 && g.StockCount > 0 && g.StockCount != CountAt(g, LocStock) + CountAt(g, LocUpCard))
        Violation("StockCount " + std::to_string(g.StockCount) + " but " +
                  std::to_string(CountAt(g, LocStock) + CountAt(g, LocUpCard)) + " cards left to draw");
    if (g.PlayerToPlay && g.PlayerToMeld)
        Violation("waiting for a card and a meld at once");

    const bool handScored = g.InRound2 && g.TricksPlayed == TricksInHand;
    auto checkTotal = [&](const char* side, int total, int banked, int melds, int tricks) {
        if (total != banked + melds && !(handScored && total == banked + melds + tricks))
            Violation(std::string(side) + " game total " + std::to_string(total) + " is not " +
                      std::to_string(banked) + " + melds " + std::to_string(melds) +
                      (handScored ? " (+ tricks " + std::to_string(tricks) + ")" : std::string()));
    };
    checkTotal("user's", g.TotalScoreP, bankedP_, g.TotalMeldsP, g.TotTricksP);
    checkTotal("computer's", g.TotalScoreC, bankedC_, g.TotalMeldsC, g.TotTricksC);

    if (!upValueKnown_ && g.UpCard != 0) {
        upValueKnown_ = true;
        nineUp_ = g.Cards[g.UpCard].Value == ValueNine;
        stats_.NinesTurnedUp += nineUp_ ? 1 : 0;
    }
    CheckFollowRules();
}

void SelfPlay::CheckFollowRules()
{
    const Game& g = *game_;
    if (!g.InRound2 || g.TricksPlayed <= TricksInRound1 || g.TricksPlayed <= followCheckedTrick_)
        return;
    // Both sides have played to this trick once each hand holds one card fewer than the other
    // trick count says; the follower's hand then is what it held when it chose, less its card.
    const int left = TricksInHand - g.TricksPlayed;
    if (CountAt(g, LocPlayerHand) != left || CountAt(g, LocComputerHand) != left)
        return;
    if (g.Cards[g.TrickCard1].Location != LocPlayed || g.Cards[g.TrickCard2].Location != LocPlayed)
        return;
    followCheckedTrick_ = g.TricksPlayed;
    const int32_t follower = g.Turn == SidePlayer ? LocComputerHand : LocPlayerHand;
    if (!AnswerKeepsRules(g, follower, g.TrickCard2))
        Violation(std::string(follower == LocPlayerHand ? "the user" : "the computer") + " answered " +
                  g.Cards[g.TrickCard1].Name + " with " + g.Cards[g.TrickCard2].Name + " against the rules");
}

void SelfPlay::CheckHandEnd()
{
    if (handEndChecked_)
        return;
    handEndChecked_ = true;
    const Game& g = *game_;
    ++stats_.CompletedHands;
    const int expected = HandPoints + (nineUp_ ? NinePoints : 0);
    if (g.TotTricksP + g.TotTricksC != expected)
        Violation("trick points " + std::to_string(g.TotTricksP) + " + " + std::to_string(g.TotTricksC) +
                  " in the hand, not " + std::to_string(expected));
    if (g.TotalScoreP != bankedP_ + g.TotalMeldsP + g.TotTricksP ||
        g.TotalScoreC != bankedC_ + g.TotalMeldsC + g.TotTricksC)
        Violation("game totals do not add up at the hand's end");
    if (CountAt(g, LocPlayed) != CardCount)
        Violation("cards left in play at the hand's end");
}

void SelfPlay::CheckSecondPhaseStart()
{
    if (secondPhaseChecked_)
        return;
    secondPhaseChecked_ = true;
    const Game& g = *game_;
    const auto& t = g.Table;
    if (CountAt(g, LocPlayerHand) != 12 || CountAt(g, LocComputerHand) != 12)
        Violation("second phase with " + std::to_string(CountAt(g, LocPlayerHand)) + " and " +
                  std::to_string(CountAt(g, LocComputerHand)) + " cards");
    if (CountAt(g, LocStock) != 0 || CountAt(g, LocUpCard) != 0)
        Violation("second phase with cards left to draw");
    for (int i = 1; i <= CardCount; ++i)
        if (g.Cards[i].Melded)
            Violation("second phase with card " + std::to_string(i) + " still melded");
    if (g.PlayerToPlay != (g.Turn == SidePlayer) || g.PlayerToMeld || t.FramDeclare.Visible || t.FramMarriage.Visible ||
        t.LblKnock.Visible || !g.InRound2 || g.InRound1 || g.TricksPlayed != TricksInRound1 || g.StockCount != 0)
        Violation("second phase begins in the wrong state");
}

void SelfPlay::CheckHandSizes()
{
    // While the stock lasts each side holds twelve cards until it plays; after it, one fewer
    // for every trick played.
    const Game& g = *game_;
    const int full = g.InRound2 ? TricksInHand + 1 - g.TricksPlayed : 12;
    const int user = CountAt(g, LocPlayerHand), computer = CountAt(g, LocComputerHand);
    const int computerExpected = g.Turn == SidePlayer ? full : full - 1;
    if (user != full || computer != computerExpected)
        Violation("the user waits to play with " + std::to_string(user) + " cards against " +
                  std::to_string(computer) + ", not " + std::to_string(full) + " and " +
                  std::to_string(computerExpected));
}

bool SelfPlay::ActForUser()
{
    Game& g = *game_;
    if (g.Table.LblKnock.Visible && extraActions_ == 0 && Chance(options_.Knock)) {
        ++stats_.UserKnocks;
        plat_.Post([&g] { LblKnock_Click(g); });
        ++extraActions_;
        return true;
    }
    if (g.PlayerToMeld)
        return MeldTurn();
    if (g.PlayerToPlay)
        return CardTurn();
    Violation("the engine waits with nothing to wait for");
    return false;
}

bool SelfPlay::MeldTurn()
{
    Game& g = *game_;
    const auto& t = g.Table;
    if (!meldTurnOpen_) {
        // A new meld turn: either every declaration in a random order until one is made, or
        // none at all.
        meldTurnOpen_ = true;
        meldOptions_.clear();
        if (Chance(options_.MeldAttempt)) {
            for (int k = 0; k < MeldOptionCount; ++k)
                meldOptions_.push_back(k);
            std::shuffle(meldOptions_.begin(), meldOptions_.end(), rng_);
        }
    }
    if (t.FramMarriage.Visible) {
        const int16_t suit = static_cast<int16_t>(marriageSuit_ != 0 ? marriageSuit_ : SuitDiamonds + Pick(4));
        marriageSuit_ = 0;
        plat_.Post([this, &g, suit] {
            CmdMarriage_Click(g, suit);
            stats_.MeldsMade += g.PlayerToMeld ? 0 : 1;
        });
        return true;
    }
    if (!t.FramDeclare.Visible) {
        Violation("a meld turn with no panel to answer it");
        return false;
    }
    if (meldOptions_.empty()) {
        EndMeldTurn();
        plat_.Post([&g] { CmdCancel_Click(g); });
        return true;
    }
    const int option = meldOptions_.back();
    meldOptions_.pop_back();
    ++stats_.MeldAttempts;
    std::function<void()> click;
    switch (option) {
    case 0: click = [&g] { CmdDBezique_Click(g); }; break;
    case 1: click = [&g] { CmdBezique_Click(g); }; break;
    case 2: click = [&g] { CmdSequence_Click(g); }; break;
    case 3: click = [&g] { cmdDec7Trumps_Click(g); }; break;
    case 4: case 5: case 6: case 7: {
        const int16_t index = static_cast<int16_t>(option - 4);
        click = [&g, index] { CmdFours_Click(g, index); };
        break;
    }
    default:  // a marriage: the suit panel first, then the suit
        marriageSuit_ = option - 8 + SuitDiamonds;
        click = [&g] { CmdMakeMarriage_Click(g, 4); };
    }
    plat_.Post([this, &g, click = std::move(click)] {
        click();
        stats_.MeldsMade += g.PlayerToMeld ? 0 : 1;
    });
    return true;
}

void SelfPlay::EndMeldTurn()
{
    meldTurnOpen_ = false;
    meldOptions_.clear();
    marriageSuit_ = 0;
}

int16_t SelfPlay::GoodCard(const std::vector<int16_t>& legal) const
{
    // Answering: the cheapest card that wins the trick, else the cheapest card. Leading: the
    // highest card.
    const Game& g = *game_;
    const bool answering = g.Turn != SidePlayer;
    auto points = [&](int16_t c) { return CardPoints(g.Cards[c].Value); };
    auto wins = [&](int16_t c) {
        const CardInfo& mine = g.Cards[c];
        if (mine.Suit == g.TrickSuit1)
            return mine.Value > g.Cards[g.TrickCard1].Value;
        return mine.Suit == g.TrumpSuit;
    };
    int16_t best = 0;
    for (int16_t c : legal) {
        if (best == 0) {
            best = c;
            continue;
        }
        if (!answering) {
            if (g.Cards[c].Value > g.Cards[best].Value)
                best = c;
        } else if (wins(c) != wins(best)) {
            if (wins(c))
                best = c;
        } else if (points(c) < points(best)) {
            best = c;
        }
    }
    return best;
}

bool SelfPlay::CardTurn()
{
    Game& g = *game_;
    EndMeldTurn();
    CheckHandSizes();
    if (extraActions_ < MaxExtraActions && Chance(options_.SortClick)) {
        ++extraActions_;
        plat_.Post([&g] { CmdSort_Click(g); });
        return true;
    }
    const bool answering = g.InRound2 && g.Turn != SidePlayer;
    std::vector<int16_t> legal, refused;
    for (int i = 1; i <= CardCount; ++i) {
        const int32_t loc = g.Cards[i].Location;
        if (loc == LocPlayerHand) {
            (answering && !AnswerKeepsRules(g, LocPlayerHand, i) ? refused : legal).push_back(static_cast<int16_t>(i));
        } else {
            refused.push_back(static_cast<int16_t>(i));  // no card of the user's hand: never a move
        }
    }
    if (legal.empty()) {
        Violation("the user has no card to play");
        return false;
    }
    if (extraActions_ < MaxExtraActions && !refused.empty() && Chance(options_.RefusedClick)) {
        ++extraActions_;
        ++stats_.RefusedClicks;
        const int16_t card = refused[static_cast<size_t>(Pick(static_cast<int>(refused.size())))];
        plat_.Post([this, &g, card] {
            const int32_t loc = g.Cards[card].Location;
            const int16_t c1 = g.TrickCard1, c2 = g.TrickCard2;
            PicCard_Click(g, card);
            if (!g.PlayerToPlay || g.Cards[card].Location != loc || g.TrickCard1 != c1 || g.TrickCard2 != c2)
                Violation("a click on card " + std::to_string(card) + " that is no move was taken");
        });
        return true;
    }
    extraActions_ = 0;
    const int16_t card = Chance(options_.GoodPlay) ? GoodCard(legal)
                                                   : legal[static_cast<size_t>(Pick(static_cast<int>(legal.size())))];
    plat_.Post([this, &g, card] {
        PicCard_Click(g, card);
        if (g.Cards[card].Location != LocPlayed)
            Violation("the user's card " + std::to_string(card) + " was not played");
    });
    return true;
}

int16_t SelfPlay::AnswerDialog(const MessageDialogRequest& request)
{
    CheckInvariants();
    const Game& g = *game_;
    const std::string& title = request.Title;
    // The dialogs that follow the hand's scoring (a refused card of the last trick gets its
    // notice before that).
    static const char* const handEndTitles[] = {"Both over target", "Play again?", "Hand Won",
                                                "Hand Lost",        "Draw",        "Total Scores"};
    if (g.InRound2 && std::find(std::begin(handEndTitles), std::end(handEndTitles), title) != std::end(handEndTitles))
        CheckHandEnd();
    if (title == "Make choice") {
        EndMeldTurn();
        const int choice = options_.LastCardChoice < 0 ? Pick(2) : options_.LastCardChoice;
        ++(choice == 0 ? stats_.StockCardChoices : stats_.UpCardChoices);
        return static_cast<int16_t>(choice);
    }
    if (title == "Leave this game?") {
        const bool leave = Chance(options_.LeaveGame);
        stats_.GamesLeft += leave ? 1 : 0;
        return leave ? AnswerButton2 : AnswerButton1;
    }
    if (title == "Round Two")
        CheckSecondPhaseStart();
    if (title == "Both over target")
        ++stats_.TargetRises;
    if (title == "Play again?") {
        const bool userWon = request.Prompt.find(" well done, you won") != std::string::npos;
        const bool userOver = g.TotalScoreP >= g.TargetScore, computerOver = g.TotalScoreC >= g.TargetScore;
        if (userWon ? !(userOver && !computerOver) : !(computerOver && !userOver))
            Violation("game given to the " + std::string(userWon ? "user" : "computer") + " at " +
                      std::to_string(g.TotalScoreP) + " against " + std::to_string(g.TotalScoreC) + ", target " +
                      std::to_string(g.TargetScore));
        ++(userWon ? stats_.UserWins : stats_.ComputerWins);
        ++stats_.Games;
        return stats_.Games < options_.Games ? AnswerButton1 : AnswerButton2;
    }
    return AnswerButton1;
}
