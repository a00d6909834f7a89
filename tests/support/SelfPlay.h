#pragma once
// Whole games played headless on the virtual clock: the user's side is a scripted player that
// acts through the same handlers a click reaches, and the game's invariants are checked after
// every step. Stress tests reuse it with their own chances and injected events.
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/state/Game.h"
#include "tests/support/VirtualPlatform.h"

class SelfPlay;

struct SelfPlayOptions {
    uint64_t Seed = 1;
    int Games = 1;  // games played to their end: "Play" after each but the last, then "Exit"
    int16_t Speed = 100;
    double MeldAttempt = 0.8;   // at each meld turn: the chance of trying every declaration until one is made
    double GoodPlay = 0.7;      // at each of the user's cards: the chance of a sensible card over a random one
    double SortClick = 0.05;    // at each of the user's cards: the chance of a sort click first
    double Knock = 0.7;         // when the knock label is shown: the chance of knocking
    double RefusedClick = 0.1;  // at each of the user's cards: the chance of a click that is no move
    int LastCardChoice = -1;    // at the end of the stock: 0 "Stock Card", 1 "Up Card", -1 at random
    double LeaveGame = 0.5;     // asked "Leave this game?" (after an injected New Game): the chance of yes
    bool MayExitEarly = false;  // an injected Exit may end the program before its games are played
    // Called at every round of event processing: post events here to inject them at random moments.
    std::function<void(SelfPlay&)> Inject;
    size_t MaxViolations = 20;  // stop recording after this many
};

struct SelfPlayStats {
    int Games = 0;           // games played to their end
    int Hands = 0;           // hands started
    int CompletedHands = 0;  // hands played to the end of their 24th trick
    int UserWins = 0, ComputerWins = 0;
    int UserKnocks = 0;
    int MeldAttempts = 0;
    int MeldsMade = 0;  // by the user
    int StockCardChoices = 0, UpCardChoices = 0;
    int NinesTurnedUp = 0;
    int TargetRises = 0;
    int RefusedClicks = 0;
    int GamesLeft = 0;  // games abandoned by New Game
};

class SelfPlay {
public:
    explicit SelfPlay(SelfPlayOptions options = {});
    ~SelfPlay();
    SelfPlay(const SelfPlay&) = delete;
    SelfPlay& operator=(const SelfPlay&) = delete;

    // Plays from New Game until the last game's "Exit" (or a hang, recorded as a violation).
    void Run();

    const std::vector<std::string>& Violations() const { return violations_; }
    const SelfPlayStats& Stats() const { return stats_; }
    // The stack position at every hand's start: the same for every hand of every game.
    const std::vector<uintptr_t>& HandEntryFrames() const { return frames_; }

    Game& G() { return *game_; }
    VirtualPlatform& Plat() { return plat_; }
    std::mt19937_64& Rng() { return rng_; }
    bool Chance(double p);
    int Pick(int n);  // 0 .. n-1

    void Violation(const std::string& what);

private:
    void EnterHand(Game& g);
    void StartHand();
    void CheckInvariants();
    void CheckHandEnd();
    void CheckSecondPhaseStart();
    void CheckFollowRules();
    void CheckHandSizes();
    bool ActForUser();
    bool MeldTurn();
    bool CardTurn();
    void EndMeldTurn();
    int16_t GoodCard(const std::vector<int16_t>& legal) const;
    int16_t AnswerDialog(const MessageDialogRequest& request);

    SelfPlayOptions options_;
    VirtualPlatform plat_;
    std::unique_ptr<Game> game_;
    std::mt19937_64 rng_;
    std::string folder_;
    std::vector<std::string> violations_;
    SelfPlayStats stats_;
    std::vector<uintptr_t> frames_;

    // Book-keeping of the running hand and game.
    int32_t bankedP_ = 0, bankedC_ = 0;  // game totals at the start of the hand
    bool upValueKnown_ = false;
    bool nineUp_ = false;
    bool handEndChecked_ = false;
    bool secondPhaseChecked_ = false;
    int followCheckedTrick_ = 0;
    int extraActions_ = 0;  // sort and refused clicks made while the engine waits for one card
    bool meldTurnOpen_ = false;
    std::vector<int> meldOptions_;  // declarations still to try in this meld turn
    int marriageSuit_ = 0;          // the suit to declare once the marriage panel opens
};
