// The two search commands. They come with the search task; until then the buttons are
// wired and do nothing.

#include "UnitMain.h"

void TForm1::bbMoveSearchClick() {}

void TForm1::bbPushSearchClick(QObject*) {}
