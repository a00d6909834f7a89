// Placeholders until the melds, their layouts and the meld panel are built.
#include "engine/Handlers.h"
#include "engine/MeldLayout.h"
#include "engine/Melds.h"

void MeldRun(Game&, int32_t) {}
void MeldFours(Game&, int32_t, int32_t) {}
void MeldMarriage(Game&, int32_t, int32_t) {}
void MeldPinochle(Game&, int32_t) {}
void MeldDoublePinochle(Game&, int32_t) {}
void MeldDix(Game&, int32_t) {}
void ComputerMeld(Game&) {}
void PlaceMeldCard(Game&, int32_t, uint8_t, int16_t) {}
void LayOutRun(Game&, int32_t) {}
void LayOutFours(Game&, int32_t) {}
void LayOutDoublePinochle(Game&, int32_t) {}
void LayOutPinochle(Game&, int32_t) {}
void LayOutMarriages(Game&, int32_t) {}
void CmdDBezique_Click(Game&) {}
void CmdBezique_Click(Game&) {}
void CmdSequence_Click(Game&) {}
void cmdDec7Trumps_Click(Game&) {}
void CmdFours_Click(Game&, int16_t) {}
void CmdMakeMarriage_Click(Game&, int16_t) {}
void CmdMarriage_Click(Game&, int16_t) {}
void CmdCancel_Click(Game&) {}
void CmdSort_Click(Game&) {}
void LblKnock_Click(Game&) {}
void MnuReminder_Click(Game&) {}
void Command1_Click(Game&) {}
