#include "engine/Game.h"

#include "engine/Deal.h"

Game::Game(Platform& platform) : Plat(platform), HandEntry(NewHand) {}
