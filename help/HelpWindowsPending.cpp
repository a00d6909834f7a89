// Placeholder until the rules pages and the About window are built.
#include "help/HelpWindows.h"

void ShowRulesPage1() {}
void ShowAboutWindow() {}
void UnloadHelpWindows() {}
