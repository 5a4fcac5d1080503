#pragma once
// The 16 x 16 pictures of the buttons and the program's icon, drawn here.

#include <QIcon>

class QStyle;

namespace pictures {
/// A paint tool's picture: a framed square in the colour the tool paints.
QIcon PaintTool(const QColor& fill);
QIcon OpenMap(const QStyle* style);
QIcon SaveMap(const QStyle* style);
/// A man walking to a red end point.
QIcon MoveSearch();
/// A man behind a yellow box.
QIcon PushSearch(bool movesFirst);
/// A small map with a path: the window's icon.
QIcon Program();
}  // namespace pictures
