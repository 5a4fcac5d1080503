#include "Pictures.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace pictures {

namespace {

QPixmap Blank(int size = 16) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

const QColor kStart(0, 255, 0), kBox(255, 255, 0), kEnd(255, 0, 0), kPath(255, 209, 87);

}  // namespace

QIcon PaintTool(const QColor& fill) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.fillRect(2, 2, 12, 12, fill);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(2, 2, 11, 11);
    return QIcon(pixmap);
}

QIcon OpenMap(const QStyle* style) { return style->standardIcon(QStyle::SP_DialogOpenButton); }
QIcon SaveMap(const QStyle* style) { return style->standardIcon(QStyle::SP_DialogSaveButton); }

QIcon MoveSearch() {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.fillRect(1, 6, 4, 4, kStart);
    p.fillRect(5, 7, 7, 2, kPath);
    p.fillRect(11, 6, 4, 4, kEnd);
    return QIcon(pixmap);
}

QIcon PushSearch(bool movesFirst) {
    QPixmap pixmap = Blank();
    QPainter p(&pixmap);
    p.fillRect(1, 6, 4, 4, kStart);
    p.fillRect(6, 4, 7, 7, kBox);
    p.setPen(QColor(96, 80, 0));
    p.drawRect(6, 4, 6, 6);
    p.fillRect(14, 6, 2, 4, kEnd);
    if (movesFirst) p.fillRect(1, 12, 14, 2, kPath);
    return QIcon(pixmap);
}

QIcon Program() {
    QPixmap pixmap = Blank(32);
    QPainter p(&pixmap);
    p.fillRect(0, 0, 32, 32, QColor(192, 192, 192));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) p.fillRect(c * 8, r * 8, 7, 7, Qt::white);
    p.fillRect(8, 0, 7, 7, Qt::black);
    p.fillRect(8, 8, 7, 7, Qt::black);
    p.fillRect(0, 24, 7, 7, kStart);
    p.fillRect(8, 24, 7, 7, kPath);
    p.fillRect(16, 24, 7, 7, kPath);
    p.fillRect(16, 16, 7, 7, kBox);
    p.fillRect(24, 8, 7, 7, kEnd);
    return QIcon(pixmap);
}

}  // namespace pictures
