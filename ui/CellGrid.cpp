#include "CellGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
const QColor kBackground(255, 255, 255);
const QColor kLineColour(192, 192, 192);
}  // namespace

CellGrid::CellGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    // Cells cover the viewport themselves: no background fill by Qt before each paint.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    updateScrollBars();
}

void CellGrid::setColCount(int count) {
    cols_ = std::max(1, count);
    currentCol_ = std::min(currentCol_, cols_ - 1);
    updateScrollBars();
    viewport()->update();
}

void CellGrid::setRowCount(int count) {
    rows_ = std::max(1, count);
    currentRow_ = std::min(currentRow_, rows_ - 1);
    updateScrollBars();
    viewport()->update();
}

void CellGrid::setDefaultColWidth(int width) {
    colWidth_ = std::max(1, width);
    updateScrollBars();
    viewport()->update();
}

void CellGrid::setDefaultRowHeight(int height) {
    rowHeight_ = std::max(1, height);
    updateScrollBars();
    viewport()->update();
}

QRect CellGrid::cellRect(int col, int row) const {
    return QRect(col * pitchX() - horizontalScrollBar()->value(),
                 row * pitchY() - verticalScrollBar()->value(), colWidth_, rowHeight_);
}

bool CellGrid::mouseToCell(QPoint pixel, int& col, int& row) const {
    const int x = pixel.x() + horizontalScrollBar()->value();
    const int y = pixel.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0) return false;
    const int c = x / pitchX(), r = y / pitchY();
    if (c >= cols_ || r >= rows_) return false;
    col = c;
    row = r;
    return true;
}

void CellGrid::trySelectCell(int col, int row) {
    if (col < 0 || row < 0 || col >= cols_ || row >= rows_) return;
    bool canSelect = true;
    if (onSelectCell_) onSelectCell_(col, row, canSelect);
    if (!canSelect) return;
    currentCol_ = col;
    currentRow_ = row;
    scrollToCell(col, row);
}

void CellGrid::scrollToCell(int col, int row) {
    const QRect cell(col * pitchX(), row * pitchY(), colWidth_, rowHeight_);
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const int w = viewport()->width(), ht = viewport()->height();
    if (cell.left() < h->value()) h->setValue(cell.left());
    else if (cell.right() >= h->value() + w) h->setValue(cell.right() + 1 - w);
    if (cell.top() < v->value()) v->setValue(cell.top());
    else if (cell.bottom() >= v->value() + ht) v->setValue(cell.bottom() + 1 - ht);
}

void CellGrid::updateScrollBars() {
    const QSize view = viewport()->size();
    const int fullWidth = cols_ * pitchX(), fullHeight = rows_ * pitchY();
    horizontalScrollBar()->setRange(0, std::max(0, fullWidth - view.width()));
    horizontalScrollBar()->setPageStep(std::max(1, view.width()));
    horizontalScrollBar()->setSingleStep(pitchX());
    verticalScrollBar()->setRange(0, std::max(0, fullHeight - view.height()));
    verticalScrollBar()->setPageStep(std::max(1, view.height()));
    verticalScrollBar()->setSingleStep(pitchY());
}

int CellGrid::visibleRows() const { return std::max(1, viewport()->height() / pitchY()); }

void CellGrid::paintEvent(QPaintEvent* event) {
    QPainter canvas(viewport());
    const QRect dirty = event->rect();
    const int ox = horizontalScrollBar()->value(), oy = verticalScrollBar()->value();
    canvas.fillRect(dirty, kBackground);

    // The lines are the uncovered rest of the cells' area.
    const QRect cellsArea(-ox, -oy, cols_ * pitchX(), rows_ * pitchY());
    const QRect linesArea = cellsArea.intersected(dirty);
    if (linesArea.isEmpty() || !onDrawCell_) return;
    canvas.fillRect(linesArea, kLineColour);

    const int firstCol = (linesArea.left() + ox) / pitchX();
    const int lastCol = std::min(cols_ - 1, (linesArea.right() + ox) / pitchX());
    const int firstRow = (linesArea.top() + oy) / pitchY();
    const int lastRow = std::min(rows_ - 1, (linesArea.bottom() + oy) / pitchY());
    for (int r = firstRow; r <= lastRow; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            onDrawCell_(canvas, c, r, QRect(c * pitchX() - ox, r * pitchY() - oy, colWidth_, rowHeight_));
}

void CellGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CellGrid::scrollContentsBy(int, int) { viewport()->update(); }

void CellGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    int c = 0, r = 0;
    if (!mouseToCell(event->position().toPoint(), c, r)) return;
    selecting_ = true;
    trySelectCell(c, r);
}

void CellGrid::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pixel = event->position().toPoint();
    if (selecting_ && (event->buttons() & Qt::LeftButton)) {
        // Dragging moves the current cell, so every further cell entered is selected once.
        int c = 0, r = 0;
        if (mouseToCell(pixel, c, r) && (c != currentCol_ || r != currentRow_)) trySelectCell(c, r);
    }
    if (onMouseMove_) onMouseMove_(event->modifiers(), pixel.x(), pixel.y());
}

void CellGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) selecting_ = false;
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CellGrid::keyPressEvent(QKeyEvent* event) {
    int c = currentCol_, r = currentRow_;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
        case Qt::Key_Left: --c; break;
        case Qt::Key_Right: ++c; break;
        case Qt::Key_Up: --r; break;
        case Qt::Key_Down: ++r; break;
        case Qt::Key_PageUp: r -= visibleRows(); break;
        case Qt::Key_PageDown: r += visibleRows(); break;
        case Qt::Key_Home: c = 0; if (ctrl) r = 0; break;
        case Qt::Key_End: c = cols_ - 1; if (ctrl) r = rows_ - 1; break;
        default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    c = std::clamp(c, 0, cols_ - 1);
    r = std::clamp(r, 0, rows_ - 1);
    if (c != currentCol_ || r != currentRow_) trySelectCell(c, r);
    event->accept();
}
