// The program's entry: the application object, the main window, the message loop.

#include <QApplication>

#include "ProcessMemory.h"
#include "UnitMain.h"

int main(int argc, char* argv[]) {
    kestrow::KeepFreedMemoryInProcess();

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrow"));
    TForm1 form;
    form.show();
    return app.exec();
}
