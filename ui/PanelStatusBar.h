#pragma once
// A status bar made of fixed-width text panels.

#include <QStatusBar>

#include <vector>

class QLabel;

/// Text panels of given widths, left to right; a panel is either a bare caption or a
/// lowered value field.
class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit PanelStatusBar(QWidget* parent = nullptr);

    /// Appends a panel; returns its index. A filling panel is at least `width` wide and takes
    /// whatever width the bar has left.
    int addPanel(int width, bool lowered, const QString& text = {}, bool fills = false);
    /// The width the bar needs to show every panel whole, its own margins and gaps included.
    int panelsWidth() const;
    int panelCount() const { return int(panels_.size()); }
    QLabel* panel(int index) const { return panels_.at(size_t(index)); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);

private:
    std::vector<QLabel*> panels_;
};
