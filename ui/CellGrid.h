#pragma once
// A grid of equal cells in a scroll area. It owns no cell data: every cell is drawn by the
// draw-cell callback, and a cell becomes current only through the select-cell callback.

#include <QAbstractScrollArea>

#include <functional>

class QPainter;

/// The map's cell grid: column and row counts, one cell size, one-pixel lines between cells.
/// Paints only the cells that lie in the exposed part of the viewport.
class CellGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    /// Draws one cell into its rectangle (viewport coordinates).
    using DrawCellFn = std::function<void(QPainter& canvas, int col, int row, const QRect& rect)>;
    /// Asked before a cell becomes current; clearing canSelect keeps the old current cell.
    using SelectCellFn = std::function<void(int col, int row, bool& canSelect)>;
    /// Told about every pointer move over the viewport, with or without a button held.
    using MouseMoveFn = std::function<void(Qt::KeyboardModifiers modifiers, int x, int y)>;

    explicit CellGrid(QWidget* parent = nullptr);

    int colCount() const { return cols_; }
    int rowCount() const { return rows_; }
    /// Counts below 1 become 1; the current cell is kept inside the grid.
    void setColCount(int count);
    void setRowCount(int count);

    int defaultColWidth() const { return colWidth_; }
    int defaultRowHeight() const { return rowHeight_; }
    void setDefaultColWidth(int width);
    void setDefaultRowHeight(int height);

    /// Width of the lines between cells, in pixels.
    static constexpr int gridLineWidth = 1;

    /// The current cell.
    int col() const { return currentCol_; }
    int row() const { return currentRow_; }

    /// Rectangle of a cell in viewport coordinates (it may lie outside the viewport).
    QRect cellRect(int col, int row) const;
    /// The cell under a viewport pixel; false over the lines' far side or beyond the last cell.
    bool mouseToCell(QPoint pixel, int& col, int& row) const;

    /// Asks the select-cell callback about a cell and makes it current when allowed.
    void trySelectCell(int col, int row);
    /// Scrolls the least needed to show the whole cell.
    void scrollToCell(int col, int row);

    void setDrawCellHandler(DrawCellFn fn) { onDrawCell_ = std::move(fn); }
    void setSelectCellHandler(SelectCellFn fn) { onSelectCell_ = std::move(fn); }
    void setMouseMoveHandler(MouseMoveFn fn) { onMouseMove_ = std::move(fn); }

    QSize sizeHint() const override { return {400, 300}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int pitchX() const { return colWidth_ + gridLineWidth; }
    int pitchY() const { return rowHeight_ + gridLineWidth; }
    void updateScrollBars();
    int visibleRows() const;

    int cols_ = 5;
    int rows_ = 5;
    int colWidth_ = 64;
    int rowHeight_ = 24;
    int currentCol_ = 0;
    int currentRow_ = 0;
    bool selecting_ = false;  // left button held since a press on a cell
    DrawCellFn onDrawCell_;
    SelectCellFn onSelectCell_;
    MouseMoveFn onMouseMove_;
};
