#include "engine/melds/MeldCommon.h"

#include "engine/flow/DeluxeMsgBox.h"
#include "engine/steps/Layout.h"
#include "engine/steps/ScoreBoard.h"

void ScoreMeld(Game& g, int32_t Who, int16_t points)
{
    ScoresOf(g, Who).LastMeld.Value = points;
    AddMeldScore(g, Who);
}

void ShowMeldStatus(Game& g, int32_t Who, const std::string& text)
{
    g.Table.StatusBar[2].Text = ScoresOf(g, Who).Name + text;
}

void MeldNotice(Game& g, const std::string& title, const std::string& button, const std::string& text)
{
    DeluxeMsgBox(g, g.PlayerName + text, button, "", "", IconCards, title);
}

void EndPlayerMeldTurn(Game& g)
{
    g.Table.FramDeclare.Visible = false;
    g.PlayerToMeld = false;
}

void ReLayHand(Game& g, int32_t Who)
{
    if (Who == SidePlayer)
        ResortHand(g);
    else
        LayOutComputerHand(g);
}
