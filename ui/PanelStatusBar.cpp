#include "PanelStatusBar.h"

#include <QLabel>
#include <QStyle>

#include <algorithm>

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // Panels butt against each other as in a classic status bar.
    setStyleSheet("QStatusBar::item { border: none; }");
}

int PanelStatusBar::addPanel(int width, bool lowered, const QString& text, bool fills) {
    auto* label = new QLabel(text, this);
    label->setFont(font());  // the bar's font, not the platform's own label font
    label->setFrameStyle(lowered ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    label->setContentsMargins(2, 0, 2, 0);
    // A caption wider than its panel widens the panel rather than being cut.
    const int framing = label->contentsMargins().left() + label->contentsMargins().right() + 2 * label->frameWidth();
    const int least = std::max(width, label->fontMetrics().horizontalAdvance(text) + framing);
    if (fills) {
        label->setMinimumWidth(least);
        addWidget(label, 1);
    } else {
        label->setFixedWidth(least);
        addWidget(label);
    }
    panels_.push_back(label);
    return int(panels_.size()) - 1;
}

int PanelStatusBar::panelsWidth() const {
    int width = 0;
    for (const QLabel* label : panels_) width += label->minimumWidth();
    // QStatusBar keeps a few pixels around and between its items.
    const int gaps = style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, this);
    return width + int(panels_.size() + 1) * std::max(gaps, 6) + 8;
}

QString PanelStatusBar::panelText(int index) const { return panel(index)->text(); }

void PanelStatusBar::setPanelText(int index, const QString& text) { panel(index)->setText(text); }
