#pragma once
// A hand set up part-way through, and a scripted user who plays it through the handlers.
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "engine/flow/Flow.h"
#include "engine/handlers/CardClick.h"
#include "engine/handlers/MeldPanel.h"
#include "engine/state/CardTable.h"
#include "engine/steps/Layout.h"
#include "tests/support/TestTable.h"

struct HandSetup {
    int tricksDone = 0;  // tricks already played in this hand
    bool secondPhase = false;
    int turn = SidePlayer;
    std::vector<int> user, computer, stock;
    int upCard = 0;       // 0 once handed out
    int trump = SuitSpades;
};

// Every card not named is out of play; the game runs with the user as Ann against Merriel.
inline void SetUpHand(TestTable& t, const HandSetup& s)
{
    Game& g = t.g;
    for (int i = 1; i <= CardCount; ++i) {
        g.Cards[i].Location = LocPlayed;
        g.Table.PicCard[i].Visible = false;
    }
    for (int i : s.user)
        g.Cards[i].Location = LocPlayerHand;
    for (int i : s.computer)
        g.Cards[i].Location = LocComputerHand;
    for (int i : s.stock)
        g.Cards[i].Location = LocStock;
    for (const auto* side : {&s.user, &s.computer, &s.stock})
        for (int i : *side)
            g.Table.PicCard[i].Visible = true;
    g.PlayerName = "Ann";
    g.BotName = "Merriel";
    g.GameInProgress = true;
    g.InRound1 = !s.secondPhase;
    g.InRound2 = s.secondPhase;
    g.TricksPlayed = static_cast<uint8_t>(s.tricksDone);
    g.Turn = s.turn;
    g.TrumpSuit = s.trump;
    g.UpCard = static_cast<int16_t>(s.upCard);
    if (s.upCard != 0) {
        g.Cards[s.upCard].Location = LocUpCard;
        g.Table.PicCard[s.upCard].Visible = true;
        g.Table.PicCard[s.upCard].Picture = static_cast<int16_t>(s.upCard);
        g.Table.Move(s.upCard, 100, 100);
    }
    g.StockCount = static_cast<int16_t>(s.secondPhase ? 0 : s.stock.size() + (s.upCard != 0 ? 1 : 0));
    g.TargetScore = 1000;
    g.BotPileLeft = g.PlayerPileLeft = 10440;
    g.PauseLength = g.Speed;
    g.Table.CmdSort.Caption = CaptionSortSuits;
    LayOutStock(g);
    ResortHand(g);
    LayOutComputerHand(g);
    // The user leads the first trick of the second phase with the flag already raised.
    g.PlayerToPlay = s.turn == SidePlayer;
}

// The user plays the card `choose` picks at every card wait and cancels every meld turn.
struct ScriptedUser {
    explicit ScriptedUser(TestTable& table) : t(table)
    {
        t.plat.OnIdle = [this] {
            Game& g = t.g;
            if (g.PlayerToMeld) {
                meldWaits.push_back(g.Table.StatusBar[2].Text);
                if (duringMeld)
                    duringMeld(g);
                t.plat.Post([&g] { CmdCancel_Click(g); });
                return true;
            }
            if (g.PlayerToPlay) {
                cardWaits.push_back(g.Table.StatusBar[3].Text);
                const int16_t card = choose(g);
                t.plat.Post([&g, card] { PicCard_Click(g, card); });
                return true;
            }
            return false;
        };
        t.plat.AnswerDialog = [this](const MessageDialogRequest& r) { return Answer(r); };
    }

    // The first card of the user's hand, by index.
    static int16_t FirstCard(const Game& g)
    {
        for (int i = 1; i <= CardCount; ++i)
            if (g.Cards[i].Location == LocPlayerHand)
                return static_cast<int16_t>(i);
        return 0;
    }

    // The answer to a dialog by its title; 0 unless set.
    int16_t Answer(const MessageDialogRequest& r)
    {
        if (onDialog)
            onDialog(r);
        if (r.Title == stopAt)
            RequestFlow(t.g, FlowRequest::Exit);  // the state stays as it was at this dialog
        const auto it = answers.find(r.Title);
        return it == answers.end() ? int16_t(0) : it->second;
    }

    // Runs a phase as the flow runner would, until it ends or is replaced.
    template <class Phase>
    void Run(Phase phase)
    {
        RunHandler([&] { phase(t.g); });
    }

    TestTable& t;
    std::function<int16_t(Game&)> choose = &FirstCard;
    std::function<void(Game&)> duringMeld;
    std::function<void(const MessageDialogRequest&)> onDialog;
    std::map<std::string, int16_t> answers;
    std::string stopAt;  // the flow is stopped when a dialog with this title is shown
    std::vector<std::string> cardWaits;  // panel 3 at each wait for a card
    std::vector<std::string> meldWaits;  // panel 2 at each meld turn
};
