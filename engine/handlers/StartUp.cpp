// The table window's load step: defaults, the saved settings, all cards face down in the stock.
#include "engine/handlers/StartUp.h"

#include "engine/settings/Settings.h"
#include "engine/state/CardTable.h"
#include "engine/steps/Layout.h"

void Form_Load(Game& g)
{
    SetUpCards(g);
    g.PlayerName = "Player";
    g.Speed = DefaultSpeed;
    ReadSettings(g);
    g.TargetScore = DefaultTarget;  // every run starts there, whatever the file holds
    g.Table.Caption = " Target Score " + std::to_string(g.TargetScore);
    g.Table.LblPlayer.Caption = g.PlayerName;
    g.Table.LblPname.Caption = g.PlayerName;
    g.Table.LblBName.Caption = g.BotName;
    g.Table.LblBotsName.Caption = g.BotName;
    for (int i = 1; i <= CardCount; ++i) {
        g.Table.PicCard[i].Visible = true;
        g.Cards[i].Location = LocStock;
    }
    LayOutStock(g);
    g.Table.StatusBar[2].Text = g.PlayerName + " press F2 for new game or use Menu.";
    g.Plat.Randomize();
    // r + 1 rounded to the nearest whole number, a half to the even one: 1 below 0.5, else 2.
    const double r = g.Plat.Rnd();
    g.Dealer = r < 0.5 ? SidePlayer : SideComputer;
}
