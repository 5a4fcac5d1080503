// Building the window's controls: the stored description of the form, in code.

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "AboutLinks.h"
#include "CellGrid.h"
#include "PanelStatusBar.h"
#include "Pictures.h"
#include "UnitMain.h"

namespace {

// The left column is wider than its classic 173 pixels, and its buttons, fields and lists
// with it: at 8 points the default sans is wider than the classic one, and the captions
// "Open Map", "Random Wall", "(4 Dir) Breadth-First Search" and the about text would not
// fit otherwise. Heights and the order of the controls are as designed.
constexpr int kLeftColumnWidth = 196;
constexpr int kPairWidth = 87;                // each of two buttons side by side
constexpr int kRightX = 8 + kPairWidth + 2;   // left edge of the right-hand one
constexpr int kLongWidth = kRightX + kPairWidth - 8;

// A control's hint: its tool tip, and the text the hint line shows while the pointer is on it.
void SetHint(QWidget* control, const QString& hint) {
    control->setToolTip(hint);
    control->setStatusTip(hint);
}

void SetTag(QObject* control, int tag) { control->setProperty("tag", tag); }

QFrame* NewPanel(QWidget* parent, QFrame::Shadow bevel) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(bevel == QFrame::Plain ? QFrame::NoFrame : (QFrame::Panel | bevel));
    panel->setLineWidth(1);
    return panel;
}

QToolButton* NewSpeedButton(QWidget* parent, int left, const QString& caption, const QString& hint,
                            const QColor& paints) {
    auto* button = new QToolButton(parent);
    button->setGeometry(left, 8, 32, 37);
    button->setText(caption);
    SetHint(button, hint);
    button->setIcon(pictures::PaintTool(paints));
    button->setIconSize({16, 16});
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    button->setCheckable(true);
    return button;
}

QPushButton* NewButton(QWidget* parent, QRect place, const QString& caption, const QString& hint,
                       const QIcon& picture = {}) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(place);
    if (!hint.isEmpty()) SetHint(button, hint);
    if (!picture.isNull()) {
        button->setIcon(picture);
        button->setIconSize({16, 16});
    }
    button->setAutoDefault(false);
    return button;
}

QSpinBox* NewSpinEdit(QWidget* parent, int top, int minimum, int maximum, int value, const QString& hint) {
    auto* spin = new QSpinBox(parent);
    spin->setGeometry(kRightX, top, kPairWidth, 22);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(1);
    spin->setValue(value);
    // Each keystroke that gives a value in range is one change; text out of range is held
    // back by the validator and corrected to the nearest bound when the field is left.
    spin->setKeyboardTracking(true);
    spin->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    SetHint(spin, hint);
    return spin;
}

QLabel* NewLabel(QWidget* parent, QPoint at, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(at);
    label->adjustSize();
    return label;
}

QComboBox* NewComboBox(QWidget* parent, int top, const QStringList& items) {
    auto* combo = new QComboBox(parent);
    combo->setGeometry(8, top, kLongWidth, 22);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(QStringLiteral("Breadth-First Search"));
    SetHint(combo, QStringLiteral("Select the algorithm"));
    return combo;
}

}  // namespace

void TForm1::CreateControls() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    setFont(font);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(236, 233, 216));  // the classic button face
    setPalette(face);
    setWindowIcon(pictures::Program());
    move(193, 141);
    // The client area of a 727 x 587 framed window, widened by what the left column gained,
    // so that the work area keeps its designed width.
    resize(719 + kLeftColumnWidth - 173, 553);

    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    outer->addWidget(Splitter1);

    Panel1 = NewPanel(Splitter1, QFrame::Raised);
    Panel2 = NewPanel(Splitter1, QFrame::Plain);
    Splitter1->addWidget(Panel1);
    Splitter1->addWidget(Panel2);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);

    CreateLeftColumn();
    CreateAboutPanel();
    CreateWorkArea();
    // Some kinds of control bring the platform's own font; the whole window uses its own.
    for (QWidget* control : findChildren<QWidget*>())
        if (control->font().family() != font.family() || control->font().pointSize() != 8) {
            QFont own = control->font();
            own.setFamily(font.family());
            own.setPointSize(8);
            control->setFont(own);
        }
    SkinData1.Apply(this);
}

void TForm1::CreateLeftColumn() {
    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    Panel3 = NewPanel(Panel1, QFrame::Sunken);
    Panel3->setFixedHeight(412);
    Panel4 = NewPanel(Panel1, QFrame::Sunken);
    StatusBarHits = new QStatusBar(Panel1);
    StatusBarHits->setSizeGripEnabled(false);
    StatusBarHits->setFixedHeight(19);
    StatusBarHits->setFont(font());
    column->addWidget(Panel3);
    column->addWidget(Panel4, 1);
    column->addWidget(StatusBarHits);
    Panel1->setMinimumWidth(30);

    sbClear = NewSpeedButton(Panel3, 4, "Road", "Paint the road on map", CellColour(csRoad));
    sbWall = NewSpeedButton(Panel3, 36, "Wall", "Paint the wall on map", CellColour(csWall));
    sbSokoban = NewSpeedButton(Panel3, 68, "Start", "Paint the start point on map", CellColour(csStart));
    sbBox = NewSpeedButton(Panel3, 100, "Box", "Paint the box on map", CellColour(csBox));
    sbTarget = NewSpeedButton(Panel3, 132, "End", "Paint the end point on map", CellColour(csEnd));
    PaintTools = new QButtonGroup(this);
    PaintTools->setExclusive(true);
    for (QToolButton* tool : {sbClear, sbWall, sbSokoban, sbBox, sbTarget}) PaintTools->addButton(tool);
    sbWall->setChecked(true);

    bbOpen = NewButton(Panel3, {8, 56, kPairWidth, 25}, "Open Map", "Open a map file", pictures::OpenMap(style()));
    bbSave = NewButton(Panel3, {kRightX, 56, kPairWidth, 25}, "Save Map", "Save the map as file", pictures::SaveMap(style()));
    Button5 = NewButton(Panel3, {kRightX, 88, kPairWidth, 25}, "Save AS XSB", {});

    Label1 = NewLabel(Panel3, {16, 124}, "CellWidth:");
    SECellWidth = NewSpinEdit(Panel3, 120, 2, 60, 8, "Adjust the block width");
    Label2 = NewLabel(Panel3, {16, 152}, "MapWidth:");
    SEMapWidth = NewSpinEdit(Panel3, 148, 8, 1000, 60, "Adjust the map width");
    Label3 = NewLabel(Panel3, {16, 180}, "MapHeight:");
    SEMapHeight = NewSpinEdit(Panel3, 176, 8, 1000, 50, "Adjust the map height");

    bbRandom = NewButton(Panel3, {8, 204, kPairWidth, 25}, "Random", "Place the start/box/end  point randomly");
    bbRandomWall = NewButton(Panel3, {kRightX, 204, kPairWidth, 25}, "Random Wall", {});
    bbClear = NewButton(Panel3, {8, 236, kPairWidth, 25}, "Clear All", "Clear all the map");
    bbReset = NewButton(Panel3, {kRightX, 236, kPairWidth, 25}, "Reset Map", "Clear searched nodes");

    ComboBox1 = NewComboBox(Panel3, 268,
                            {"(4 Dir) Breadth-First Search", "(4 Dir) A* H=dx+dy", "(8 Dir) Breadth-First Search"});
    bbMoveSearch = NewButton(Panel3, {8, 294, kLongWidth, 25}, "Search Move Path", "Find the move path",
                             pictures::MoveSearch());
    ComboBox2 = NewComboBox(Panel3, 324, {"Breadth-First Search", "A* H=dx+dy"});
    bbPushSearch = NewButton(Panel3, {8, 350, kLongWidth, 27}, "Search Push Path (BP)",
                             "Find the push path(Best push with best move)", pictures::PushSearch(false));
    SetTag(bbPushSearch, 0);
    BitBtn1 = NewButton(Panel3, {8, 380, kLongWidth, 25}, "Search Push Path (BM)",
                        "Find the push path(Best move with best push)", pictures::PushSearch(true));
    SetTag(BitBtn1, 1);
}

void TForm1::CreateAboutPanel() {
    Panel4->setMouseTracking(true);
    Label5 = NewLabel(Panel4, {8, 8}, "Kestrow\n              Ver 1.1.0   2004.06.01");
    LabelAuthor = NewLabel(Panel4, {8, 40}, kAuthorLine);
    LabelMail = NewLabel(Panel4, {8, 63}, QStringLiteral("EMail: ") + kMakerMail);
    SetHint(LabelMail, "Mail the author");
    LabelURL = NewLabel(Panel4, {8, 83}, QStringLiteral("URL: ") + kMakerUrl);
    SetHint(LabelURL, "Visit the author's website");
    LabelRights = new QLabel(kRightsNotice, Panel4);
    LabelRights->setTextFormat(Qt::PlainText);
    LabelRights->setWordWrap(true);
    const int rightsWidth = kLeftColumnWidth - 4 - 12;
    LabelRights->setGeometry(6, 104, rightsWidth, LabelRights->heightForWidth(rightsWidth));

    for (QLabel* link : {LabelMail, LabelURL}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->setAttribute(Qt::WA_TranslucentBackground);
        link->installEventFilter(this);
        SetLinkLook(link, false);
    }
    // The other labels take the pointer for themselves: over them the panel's bare area
    // is not reached, as the hover rules of the links expect.
    for (QLabel* text : {Label5, LabelAuthor, LabelRights}) text->setAttribute(Qt::WA_NoMousePropagation);
    Panel4->installEventFilter(this);
}

void TForm1::CreateWorkArea() {
    auto* area = new QVBoxLayout(Panel2);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(0);

    Splitter2 = new QSplitter(Qt::Vertical, Panel2);
    Splitter2->setHandleWidth(2);
    Splitter2->setChildrenCollapsible(false);
    auto* gridArea = new QWidget(Splitter2);
    auto* gridColumn = new QVBoxLayout(gridArea);
    gridColumn->setContentsMargins(0, 0, 0, 0);
    gridColumn->setSpacing(0);
    StringGrid1 = new CellGrid(gridArea);
    StringGrid1->viewport()->setCursor(Qt::DragMoveCursor);
    StringGrid1->setColCount(60);
    StringGrid1->setRowCount(50);
    StringGrid1->setDefaultColWidth(8);
    StringGrid1->setDefaultRowHeight(8);
    PanelInfor = new QLabel(gridArea);
    PanelInfor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    PanelInfor->setAlignment(Qt::AlignCenter);
    PanelInfor->setTextFormat(Qt::PlainText);
    PanelInfor->setFixedHeight(26);
    gridColumn->addWidget(StringGrid1, 1);
    gridColumn->addWidget(PanelInfor);

    Memo1 = new QPlainTextEdit(Splitter2);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setMinimumHeight(20);
    Splitter2->addWidget(gridArea);
    Splitter2->addWidget(Memo1);
    Splitter2->setStretchFactor(0, 1);
    Splitter2->setStretchFactor(1, 0);

    StatusBar1 = new PanelStatusBar(Panel2);
    StatusBar1->setFixedHeight(19);
    StatusBar1->setFont(font());  // not the platform's own status-bar font
    StatusBar1->setMinimumWidth(1);  // panels beyond a narrow window are cut off, not kept
    const struct { const char* text; int width; } panels[8] = {
        {"Searched Nodes", 90}, {"", 50}, {"Move steps", 65}, {"", 50},
        {"Push steps", 65},     {"", 50}, {"Search time", 70}, {"", 50},
    };
    // The search time, last, is wide enough for its usual text and takes the bar's spare width.
    const int timeWidth = StatusBar1->fontMetrics().horizontalAdvance(QStringLiteral("12.34568 ms")) + 10;
    for (int i = 0; i < 7; ++i) StatusBar1->addPanel(panels[i].width, i % 2 == 1, panels[i].text);
    StatusBar1->addPanel(std::max(panels[7].width, timeWidth), true, panels[7].text, true);
    // The window widens when the bar needs more than the designed work area.
    const int barWidth = StatusBar1->panelsWidth();
    resize(std::max(width(), kLeftColumnWidth + barWidth + 8), height());

    area->addWidget(Splitter2, 1);
    area->addWidget(StatusBar1);
}

void TForm1::PlaceSplitters() {
    // Splitters share out the room they have, so the designed sizes are set once the window
    // has its own size.
    Splitter1->setSizes({kLeftColumnWidth, std::max(1, Splitter1->width() - kLeftColumnWidth)});
    Splitter2->setSizes({std::max(1, Splitter2->height() - 54), 54});
}

void TForm1::ConnectHandlers() {
    auto guarded = [this](auto handler) { return [this, handler] { RunGuarded([&] { (this->*handler)(); }); }; };

    connect(SECellWidth, &QSpinBox::valueChanged, this, guarded(&TForm1::SECellWidthChange));
    connect(SEMapWidth, &QSpinBox::valueChanged, this, guarded(&TForm1::SEMapWidthChange));
    connect(SEMapHeight, &QSpinBox::valueChanged, this, guarded(&TForm1::SEMapHeightChange));
    // A change is a pick from the list or an edit by the user; selecting from the program
    // raises neither.
    connect(ComboBox1, &QComboBox::activated, this, guarded(&TForm1::ComboBox1Change));
    connect(ComboBox1->lineEdit(), &QLineEdit::textEdited, this, guarded(&TForm1::ComboBox1Change));
    connect(ComboBox2, &QComboBox::activated, this, guarded(&TForm1::ComboBox2Change));
    connect(ComboBox2->lineEdit(), &QLineEdit::textEdited, this, guarded(&TForm1::ComboBox2Change));

    connect(bbOpen, &QPushButton::clicked, this, guarded(&TForm1::bbOpenClick));
    connect(bbSave, &QPushButton::clicked, this, guarded(&TForm1::bbSaveClick));
    connect(Button5, &QPushButton::clicked, this, guarded(&TForm1::Button5Click));
    connect(bbRandom, &QPushButton::clicked, this, guarded(&TForm1::bbRandomClick));
    connect(bbRandomWall, &QPushButton::clicked, this, guarded(&TForm1::bbRandomWallClick));
    connect(bbClear, &QPushButton::clicked, this, guarded(&TForm1::bbClearClick));
    connect(bbReset, &QPushButton::clicked, this, guarded(&TForm1::bbResetClick));
    connect(bbMoveSearch, &QPushButton::clicked, this, guarded(&TForm1::bbMoveSearchClick));
    for (QPushButton* push : {bbPushSearch, BitBtn1})
        connect(push, &QPushButton::clicked, this, [this, push] { RunGuarded([&] { bbPushSearchClick(push); }); });

    StringGrid1->setDrawCellHandler([this](QPainter& canvas, int col, int row, const QRect& rect) {
        // A cell that cannot be drawn is left as it was.
        try {
            StringGrid1DrawCell(canvas, col, row, rect);
        } catch (...) {
        }
    });
    StringGrid1->setSelectCellHandler([this](int col, int row, bool& canSelect) {
        RunGuarded([&] { StringGrid1SelectCell(col, row, canSelect); });
    });
    StringGrid1->setMouseMoveHandler([this](Qt::KeyboardModifiers shift, int x, int y) {
        // The information strip keeps its text when it cannot be worked out.
        try {
            StringGrid1MouseMove(shift, x, y);
        } catch (...) {
        }
    });
}
