#pragma once
// Meld scenes for the tests: names for the meld attempts and a plain comparison of the card table.
#include <QString>
#include <tuple>

#include "engine/melds/MeldDix.h"
#include "engine/melds/MeldFours.h"
#include "engine/melds/MeldMarriage.h"
#include "engine/melds/MeldPinochle.h"
#include "engine/melds/MeldRun.h"
#include "tests/support/TestTable.h"

// One meld attempt by name: "run", "aces", "kings", "queens", "jacks", "pinochle", "double",
// "dix", or "marriage" followed by the suit code ("marriage3").
inline void Attempt(Game& g, const QString& meld, int32_t who)
{
    if (meld == "run")
        MeldRun(g, who);
    else if (meld == "aces")
        MeldFours(g, who, ValueAce);
    else if (meld == "kings")
        MeldFours(g, who, ValueKing);
    else if (meld == "queens")
        MeldFours(g, who, ValueQueen);
    else if (meld == "jacks")
        MeldFours(g, who, ValueJack);
    else if (meld == "pinochle")
        MeldPinochle(g, who);
    else if (meld == "double")
        MeldDoublePinochle(g, who);
    else if (meld == "dix")
        MeldDix(g, who);
    else if (meld.startsWith("marriage"))
        MeldMarriage(g, who, meld.mid(8).toInt());
}

inline auto CardState(const CardInfo& c)
{
    return std::make_tuple(c.Location, c.Melded, c.DixExchanged, c.DixShown, c.InMarriage, c.InFourKings,
                           c.InFourQueens, c.InFourJacks, c.InFourAces, c.InRun, c.InPinochle, c.InDoublePinochle,
                           c.DblPinochleMark, c.MarriageUsed, c.RunUsed, c.FoursUsed, c.DblPinochleUsed, c.DixUsed);
}

inline bool SameCards(const Game& a, const std::array<CardInfo, 49>& before)
{
    for (int i = 1; i <= CardCount; ++i)
        if (CardState(a.Cards[i]) != CardState(before[i]))
            return false;
    return true;
}

// A table in the middle of the first phase: names given, trumps fixed, the user's meld turn open.
inline void OpenMeldTurn(TestTable& t, int32_t trumps)
{
    t.g.PlayerName = "Ann";
    t.g.BotName = "Bot";
    t.g.TrumpSuit = trumps;
    t.g.InRound1 = true;
    t.g.PlayerToMeld = true;
    t.g.Table.FramDeclare.Visible = true;
    t.g.Table.BringToFront(t.g.Table.FramDeclare);
    t.g.Table.StatusBar[2].Text = "Ann click Meld to make or Cancel to receive card.";
    t.g.Table.CmdSort.Caption = "Sort Suits";
    for (int i = 1; i <= CardCount; ++i)
        t.g.Table.PicCard[i].Visible = true;
}
