// Quillmere: two-handed Pinochle against the computer.
#include <QApplication>

#include "engine/Flow.h"
#include "engine/Handlers.h"
#include "resources/CardArt.h"
#include "table/PinochleTable.h"
#include "table/QtPlatform.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(WindowIcon());

    QtPlatform platform;
    Game g(platform);
    PinochleTable table(g);
    platform.Attach(g, &table);

    RunHandler(g, [&] { Form_Load(g); });
    table.show();
    return app.exec();
}
