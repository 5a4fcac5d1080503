// The window itself: caption, controls with their captions, hints, ranges, lists and tags,
// the status bars, the about panel's links and the skin.

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>

#include "AboutLinks.h"
#include "FormFixture.h"
#include "PanelStatusBar.h"

using WindowTest = StartedForm;

TEST_F(WindowTest, CaptionAndButtonsAreAsDesigned) {
    EXPECT_EQ(form->windowTitle(), "Kestrow Ver 1.1  2004.06.02");
    const struct {
        QAbstractButton* button;
        const char* caption;
        const char* hint;
    } buttons[] = {
        {form->sbClear, "Road", "Paint the road on map"},
        {form->sbWall, "Wall", "Paint the wall on map"},
        {form->sbSokoban, "Start", "Paint the start point on map"},
        {form->sbBox, "Box", "Paint the box on map"},
        {form->sbTarget, "End", "Paint the end point on map"},
        {form->bbOpen, "Open Map", "Open a map file"},
        {form->bbSave, "Save Map", "Save the map as file"},
        {form->Button5, "Save AS XSB", ""},
        {form->bbRandom, "Random", "Place the start/box/end  point randomly"},
        {form->bbRandomWall, "Random Wall", ""},
        {form->bbClear, "Clear All", "Clear all the map"},
        {form->bbReset, "Reset Map", "Clear searched nodes"},
        {form->bbMoveSearch, "Search Move Path", "Find the move path"},
        {form->bbPushSearch, "Search Push Path (BP)", "Find the push path(Best push with best move)"},
        {form->BitBtn1, "Search Push Path (BM)", "Find the push path(Best move with best push)"},
    };
    for (const auto& b : buttons) {
        EXPECT_EQ(b.button->text(), b.caption);
        EXPECT_EQ(b.button->toolTip(), b.hint) << b.caption;
        // Every caption fits its button at the window's font.
        const bool besideIcon = qobject_cast<QPushButton*>(b.button) && !b.button->icon().isNull();
        const int room = b.button->width() - (besideIcon ? 20 : 2);
        EXPECT_LE(b.button->fontMetrics().horizontalAdvance(b.caption), room) << b.caption;
    }
    EXPECT_EQ(form->bbPushSearch->property("tag").toInt(), 0);
    EXPECT_EQ(form->BitBtn1->property("tag").toInt(), 1);
    for (QToolButton* tool : {form->sbClear, form->sbWall, form->sbSokoban, form->sbBox, form->sbTarget}) {
        EXPECT_TRUE(tool->autoRaise());
        EXPECT_EQ(tool->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_EQ(tool->size(), QSize(32, 37));
    }
    EXPECT_EQ(form->font().pointSize(), 8);
    for (const QWidget* w : form->findChildren<QWidget*>())
        EXPECT_EQ(w->font().pointSize(), 8) << w->metaObject()->className();
}

TEST_F(WindowTest, FieldsAndListsAreAsDesigned) {
    const struct {
        QSpinBox* spin;
        int minimum, maximum, value;
        const char* hint;
    } spins[] = {
        {form->SECellWidth, 2, 60, 8, "Adjust the block width"},
        {form->SEMapWidth, 8, 1000, 60, "Adjust the map width"},
        {form->SEMapHeight, 8, 1000, 50, "Adjust the map height"},
    };
    for (const auto& s : spins) {
        EXPECT_EQ(s.spin->minimum(), s.minimum);
        EXPECT_EQ(s.spin->maximum(), s.maximum);
        EXPECT_EQ(s.spin->value(), s.value);
        EXPECT_EQ(s.spin->singleStep(), 1);
        EXPECT_TRUE(s.spin->keyboardTracking());
        EXPECT_EQ(s.spin->toolTip(), s.hint);
    }
    EXPECT_EQ(form->Label1->text(), "CellWidth:");
    EXPECT_EQ(form->Label2->text(), "MapWidth:");
    EXPECT_EQ(form->Label3->text(), "MapHeight:");

    const QStringList moves = {"(4 Dir) Breadth-First Search", "(4 Dir) A* H=dx+dy", "(8 Dir) Breadth-First Search"};
    const QStringList pushes = {"Breadth-First Search", "A* H=dx+dy"};
    for (auto [combo, items] : {std::pair{form->ComboBox1, moves}, std::pair{form->ComboBox2, pushes}}) {
        ASSERT_EQ(combo->count(), items.size());
        for (int i = 0; i < items.size(); ++i) EXPECT_EQ(combo->itemText(i), items[i]);
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->toolTip(), "Select the algorithm");
    }
}

TEST_F(WindowTest, StatusBarHasEightPanelsAndStartsWithItsCaptions) {
    const char* texts[8] = {"Searched Nodes", "", "Move steps", "", "Push steps", "", "Search time", ""};
    const int widths[8] = {90, 50, 65, 50, 65, 50, 70, 50};
    ASSERT_EQ(form->StatusBar1->panelCount(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(form->StatusBar1->panelText(i), texts[i]);
        QLabel* panel = form->StatusBar1->panel(i);
        EXPECT_GE(panel->width(), widths[i]);
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(texts[i]), panel->contentsRect().width()) << texts[i];
        // Panels sit side by side inside the bar, none cut off at its end.
        EXPECT_LE(panel->geometry().right(), form->StatusBar1->contentsRect().right()) << i;
    }
    // The search time shows a usual figure whole.
    QLabel* time = form->StatusBar1->panel(7);
    EXPECT_LE(time->fontMetrics().horizontalAdvance("12.34568 ms"), time->contentsRect().width());
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
}

TEST_F(WindowTest, HintLineShowsTheHintOfTheControlUnderThePointer) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(form->bbOpen, &enter);
    EXPECT_EQ(form->StatusBarHits->currentMessage(), "Open a map file");
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(form->bbOpen, &leave);
    EXPECT_EQ(form->StatusBarHits->currentMessage(), "");
    QApplication::sendEvent(form->LabelURL, &enter);
    EXPECT_EQ(form->StatusBarHits->currentMessage(), "Visit the author's website");
}

class LinkTest : public StartedForm {
protected:
    void MoveOver(QWidget* widget, QPoint at = {2, 2}) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static bool LooksHovered(const QLabel* link) {
        return !link->font().underline() && link->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    static bool LooksPlain(const QLabel* link) {
        return link->font().underline() && link->palette().color(QPalette::WindowText) == QColor(0, 0, 128);
    }
};

TEST_F(LinkTest, HoverLooksFollowThePointer) {
    EXPECT_TRUE(LooksPlain(form->LabelMail));
    EXPECT_TRUE(LooksPlain(form->LabelURL));
    MoveOver(form->LabelMail);
    EXPECT_TRUE(LooksHovered(form->LabelMail));
    EXPECT_TRUE(LooksPlain(form->LabelURL));
    MoveOver(form->LabelURL);
    EXPECT_TRUE(LooksHovered(form->LabelURL));
    EXPECT_TRUE(LooksPlain(form->LabelMail));
    // Over another label of the panel the look stays; over its bare area both turn plain.
    MoveOver(form->Label5);
    EXPECT_TRUE(LooksHovered(form->LabelURL));
    MoveOver(form->Panel4, {150, form->Panel4->height() - 4});
    EXPECT_TRUE(LooksPlain(form->LabelURL));
    EXPECT_TRUE(LooksPlain(form->LabelMail));
}

TEST_F(LinkTest, ClicksHandTheAddressesToTheDesktop) {
    EXPECT_EQ(form->LabelMail->text(), QStringLiteral("EMail: ") + kMakerMail);
    EXPECT_EQ(form->LabelURL->text(), QStringLiteral("URL: ") + kMakerUrl);
    EXPECT_EQ(form->LabelMail->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(form->LabelMail, Qt::LeftButton, {}, {3, 3});
    QTest::mouseClick(form->LabelURL, Qt::LeftButton, {}, {3, 3});
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("mailto:") + kMakerMail));
    EXPECT_EQ(opened[1], QUrl(QString::fromLatin1(kMakerUrl)));
    // Every text of the about panel fits inside it.
    for (QLabel* label : form->Panel4->findChildren<QLabel*>())
        EXPECT_LE(label->geometry().right(), form->Panel4->contentsRect().right()) << label->text().toStdString();
}

TEST(SkinTest, SkinsTheListedControlsAndSparesTag99) {
    QWidget window;
    auto* plain = new QPushButton("plain", &window);
    auto* skinned = new QPushButton("skinned", &window);
    auto* label = new QLabel("label", &window);
    plain->setProperty("tag", 99);
    TSkinData skin;
    skin.Apply(&window);
    EXPECT_FALSE(plain->property(TSkinData::kMark).isValid());
    EXPECT_TRUE(skinned->property(TSkinData::kMark).toBool());
    EXPECT_FALSE(label->property(TSkinData::kMark).isValid());
    EXPECT_FALSE(window.styleSheet().isEmpty());

    // Controls not in the list are left alone.
    QWidget other;
    auto* button = new QPushButton("b", &other);
    TSkinData comboOnly;
    comboOnly.SkinControls = TSkinData::xcCombo;
    comboOnly.Apply(&other);
    EXPECT_FALSE(button->property(TSkinData::kMark).isValid());
}

TEST_F(WindowTest, TheWindowIsSkinned) {
    EXPECT_TRUE(form->bbOpen->property(TSkinData::kMark).toBool());
    EXPECT_TRUE(form->sbWall->property(TSkinData::kMark).toBool());
    EXPECT_TRUE(form->Panel3->property(TSkinData::kMark).toBool());
}
