#pragma once
// The shared game state: the card table and every variable the procedures and the
// window's handlers read and write directly.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/cards/Cards.h"
#include "engine/state/Platform.h"
#include "engine/state/TableModel.h"

// Every run and every new game start at this target; a run paces its steps at this Speed until
// the settings say otherwise.
inline constexpr int16_t DefaultTarget = 1000;
inline constexpr int16_t DefaultSpeed = 100;

// The tricks of a hand's first phase, played while the stock lasts.
inline constexpr uint8_t TricksInRound1 = 12;

// What the flow runner starts next, from the top of the event loop.
enum class FlowRequest { None, NewHand, Exit };

struct Game {
    explicit Game(Platform& platform);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& Plat;
    TableModel Table;

    std::array<CardInfo, 49> Cards{};  // 1..48; element 0 unused

    // Settings kept between runs.
    std::array<int32_t, 3> GamesWon{};  // indexed by Side
    int16_t Speed = 0;
    std::string PlayerName;
    std::string BotName;
    int16_t TargetScore = 0;
    // A save has failed in this run and the user has been told.
    bool SaveFailureTold = false;

    // Game and hand.
    bool GameInProgress = false;
    int32_t Dealer = 0;
    int32_t Turn = 0;
    uint8_t RoundNumber = 0;
    uint8_t TricksPlayed = 0;
    bool InRound1 = false;
    bool InRound2 = false;
    int32_t TrumpSuit = 0;
    int16_t UpCard = 0;
    int16_t StockCount = 0;
    int16_t LastStockCard = 0;
    int16_t TrickCard1 = 0;
    int32_t TrickSuit1 = 0;
    int16_t TrickCard2 = 0;
    int32_t TrickSuit2 = 0;
    int16_t BotPileLeft = 0;
    int16_t PlayerPileLeft = 0;

    // Hand-shake between the engine's waits and the window's handlers.
    bool PlayerToPlay = false;
    bool PlayerToMeld = false;
    bool PlayerKnocked = false;
    bool MeldMade = false;

    // Score board.
    int16_t LastMeldP = 0, LastMeldC = 0;
    int16_t LastTrickP = 0, LastTrickC = 0;
    int16_t TotalMeldsP = 0, TotalMeldsC = 0;
    int16_t TotTricksP = 0, TotTricksC = 0;
    int16_t TotalScoreP = 0, TotalScoreC = 0;
    bool PinochleMeldedP = false, PinochleMeldedC = false;
    bool DblPinochleMeldedP = false, DblPinochleMeldedC = false;

    // Pacing.
    int16_t PauseLength = 0;
    uint32_t PauseStart = 0;

    // The message dialog's last answer; kept from one dialog to the next.
    int16_t DialogButton = 0;

    // Flow control: see Flow.h.
    FlowRequest PendingFlow = FlowRequest::None;
    bool FlowRunning = false;
    int WaitDepth = 0;       // waits (pauses, flag waits, dialogs) now on the stack
    uint64_t FlowSerial = 0; // counts the flows started, for tests of abandonment
    // What the runner starts for FlowRequest::NewHand: NewHand, set where the program (or a test)
    // is put together, or a stand-in in the runner's own tests. Unset, no hand is started.
    std::function<void(Game&)> HandEntry;

    // Set while a meld procedure of the user is moving its cards, so that a second click on a
    // meld button in the same turn does nothing.
    bool MeldInMotion = false;
};
