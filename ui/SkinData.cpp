#include "SkinData.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace {

unsigned KindOf(const QWidget* w) {
    using S = TSkinData;
    if (qobject_cast<const QMenuBar*>(w)) return S::xcMainMenu;
    if (qobject_cast<const QMenu*>(w)) return S::xcPopupMenu;
    if (qobject_cast<const QToolBar*>(w)) return S::xcToolbar;
    if (qobject_cast<const QComboBox*>(w)) return S::xcCombo;
    if (qobject_cast<const QCheckBox*>(w)) return S::xcCheckBox;
    if (qobject_cast<const QRadioButton*>(w)) return S::xcRadioButton;
    if (qobject_cast<const QProgressBar*>(w)) return S::xcProgress;
    if (qobject_cast<const QScrollBar*>(w)) return S::xcScrollbar;
    if (qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w))
        return S::xcEdit;
    if (auto* b = qobject_cast<const QPushButton*>(w)) return b->icon().isNull() ? S::xcButton : S::xcBitBtn;
    if (qobject_cast<const QToolButton*>(w)) return S::xcSpeedButton;
    if (qobject_cast<const QStatusBar*>(w)) return S::xcStatusBar;
    if (qobject_cast<const QGroupBox*>(w)) return S::xcGroupBox;
    if (qobject_cast<const QTabBar*>(w)) return S::xcTab;
    // Bare frames are the panels, and so are framed labels (a panel showing a caption);
    // plain labels, splitters and scroll areas are frames too but no panels.
    if (w->metaObject() == &QFrame::staticMetaObject) return S::xcPanel;
    if (auto* l = qobject_cast<const QLabel*>(w); l && l->frameShape() != QFrame::NoFrame) return S::xcPanel;
    return 0;
}

// A control's tag, inherited by the parts a composite control is made of (a spin box's
// line edit, a scroll area's bars), so that tagging the control exempts all of it.
int TagOf(const QWidget* w, const QWidget* form) {
    for (const QWidget* p = w; p && p != form; p = p->parentWidget()) {
        const QVariant tag = p->property("tag");
        if (tag.isValid()) return tag.toInt();
    }
    return 0;
}

}  // namespace

bool TSkinData::Skins(const QWidget* control) const {
    const unsigned kind = KindOf(control);
    if (!Active || !(kind & SkinControls)) return false;
    return TagOf(control, control->window()) != DisableTag;
}

void TSkinData::Apply(QWidget* form) const {
    if (!Active || !form) return;
    form->setProperty(kMark, SkinFormtype == sfMainform ? "form" : "dialog");
    for (QWidget* w : form->findChildren<QWidget*>())
        if (Skins(w)) w->setProperty(kMark, true);
    form->setStyleSheet(Theme());
}

QString TSkinData::Theme() {
    // A quiet blue-grey theme. Every rule asks for the mark, so unmarked controls keep the
    // platform's look.
    return QStringLiteral(R"(
*[skinned="form"] { background-color: #e4e9f0; }
QFrame[skinned="true"] { background-color: #e4e9f0; border: 1px solid #a7b3c4; }
QPushButton[skinned="true"] {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fbfcfe, stop:1 #d6dfeb);
    border: 1px solid #8496b0; border-radius: 3px; padding: 0px 2px; color: #1b2a3d;
}
QPushButton[skinned="true"]:hover { background-color: #eef3fa; border-color: #5a7bb0; }
QPushButton[skinned="true"]:pressed { background-color: #c5d3e6; }
QToolButton[skinned="true"] { border: 1px solid transparent; border-radius: 3px; padding: 0px; color: #1b2a3d; }
QToolButton[skinned="true"]:hover { border-color: #8496b0; background-color: #eef3fa; }
QToolButton[skinned="true"]:checked { border-color: #5a7bb0; background-color: #c5d3e6; }
QComboBox[skinned="true"] { border: 1px solid #8496b0; border-radius: 2px; padding: 0px 2px; background: white; }
QPlainTextEdit[skinned="true"] { border: 1px solid #8496b0; background: white; }
QStatusBar[skinned="true"] { background-color: #d6dfeb; }
QScrollBar[skinned="true"]:horizontal { height: 14px; background: #e4e9f0; }
QScrollBar[skinned="true"]:vertical { width: 14px; background: #e4e9f0; }
QScrollBar[skinned="true"]::handle { background: #b4c2d6; border: 1px solid #8496b0; border-radius: 3px; }
QScrollBar[skinned="true"]::handle:horizontal { min-width: 16px; }
QScrollBar[skinned="true"]::handle:vertical { min-height: 16px; }
QScrollBar[skinned="true"]::add-line, QScrollBar[skinned="true"]::sub-line { width: 0px; height: 0px; }
)");
}
