// Placeholders until the settings file and the exit's questions are built.
#include "engine/Flow.h"
#include "engine/Handlers.h"
#include "engine/Settings.h"

void SaveSettings(Game&) {}
void ReadSettings(Game&) {}
void WriteAllDat(Game&) {}
bool Form_QueryUnload(Game& g, int) { MnuExit_Click(g); return false; }
void MnuExit_Click(Game& g) { RequestFlow(g, FlowRequest::Exit); }
