#include "engine/state/Game.h"

Game::Game(Platform& platform) : Plat(platform) {}
