#pragma once
// The program as it starts: the platform layer, the game and its table window, loaded. Shared by
// main() and the benchmark, so that the benchmark measures the game's own start-up.
#include <QApplication>

#include "app/QtPlatform.h"
#include "engine/flow/Flow.h"
#include "engine/hand/Deal.h"
#include "engine/handlers/StartUp.h"
#include "resources/CardArt.h"
#include "table/PinochleTable.h"

struct QuillmereProgram {
    QuillmereProgram() : g(platform), table(g)
    {
        QApplication::setWindowIcon(WindowIcon());
        g.HandEntry = NewHand;
        platform.Attach(g, &table);
        RunHandler([this] { Form_Load(g); });
    }

    QtPlatform platform;
    Game g;
    PinochleTable table;
};
