// Placeholders until the deal, the trick, the card moves, both phases, the game end and the
// card click are built; each is removed with its real procedure.
#include "engine/CardMoves.h"
#include "engine/Deal.h"
#include "engine/GameEnd.h"
#include "engine/Handlers.h"
#include "engine/Round1.h"
#include "engine/Round2.h"
#include "engine/Trick.h"

void NewHand(Game&) {}
void DealHand(Game&) {}
void DealToComputer(Game&) {}
void DealToPlayer(Game&) {}
void ShowTrumps(Game&) {}
void ResolveTrick(Game&) {}
void PlayComputerCard(Game&, int16_t) {}
void PlayerPlaysCard(Game&, int16_t) {}
void MoveDrawnCard(Game&, int32_t, int16_t) {}
void DrawFromStock(Game&, int32_t) {}
void PlayRound1(Game&) {}
void PlayRound2(Game&) {}
void CheckForWinner(Game&) {}
void PlayerWinsGame(Game&) {}
void ComputerWinsGame(Game&) {}
void PicCard_Click(Game&, int16_t) {}
bool HasSuitPlayer(const Game&, int32_t) { return false; }
bool HasTrumps(const Game&, int32_t) { return false; }
void MnuNew_Click(Game&) {}
