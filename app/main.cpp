// Quillmere: two-handed Pinochle against the computer.
#include <QApplication>

#include "app/QuillmereProgram.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QuillmereProgram program;
    program.table.show();
    return app.exec();
}
