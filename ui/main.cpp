// The program's entry: the application object, the main window, the message loop.

#include <QApplication>

#include <malloc.h>

#include "UnitMain.h"

int main(int argc, char* argv[]) {
    // Keep freed search memory in the process: large blocks come from the heap rather than
    // fresh mappings, and the heap is not trimmed back after each search.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kestrow"));
    TForm1 form;
    form.show();
    return app.exec();
}
