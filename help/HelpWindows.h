#pragma once
// The three rules pages and the About window. All are modeless; the pages are hidden, not
// destroyed, by their buttons; the About window is unloaded by its OK button.

struct Game;

// Shows the first rules page (created and loaded on first use).
void ShowRulesPage1();

// Shows the About window (loaded afresh on each showing after it was unloaded), for the game g.
void ShowAboutWindow(Game& g);

// Unloads every help page and the About window that exist (at the program's exit). Each is
// hidden at once and deleted when control is back in the event loop this is called from, so
// never under a modal loop that is still running inside it.
void UnloadHelpWindows();
