#include "PanelStatusBar.h"

#include <QLabel>

PanelStatusBar::PanelStatusBar(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    // Panels butt against each other as in a classic status bar.
    setStyleSheet("QStatusBar::item { border: none; }");
}

int PanelStatusBar::addPanel(int width, bool lowered, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setFixedWidth(width);
    label->setFrameStyle(lowered ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    label->setContentsMargins(2, 0, 2, 0);
    addWidget(label);
    panels_.push_back(label);
    return int(panels_.size()) - 1;
}

QString PanelStatusBar::panelText(int index) const { return panel(index)->text(); }

void PanelStatusBar::setPanelText(int index, const QString& text) { panel(index)->setText(text); }
