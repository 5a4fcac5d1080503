// The two search commands run from the window: panels, memo and cell states.

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <string>
#include <vector>

#include "FormFixture.h"
#include "PanelStatusBar.h"
#include "SearchTimeText.h"

namespace {

class SearchCommandTest : public StartedForm {
protected:
    /// Sizes the map and paints a picture into its top-left corner through the real paint
    /// tools: '#' wall, '.' free, '@' start, '$' box, '+' end; `fill` paints the rest.
    void Draw(int width, int height, const std::vector<std::string>& rows, char fill = '.') {
        form->SEMapWidth->setValue(width);
        form->SEMapHeight->setValue(height);
        form->bbClearClick();
        bool canSelect = true;
        for (int r = 0; r < height; ++r)
            for (int c = 0; c < width; ++c) {
                const char ch = r < int(rows.size()) && c < int(rows[r].size()) ? rows[r][c] : fill;
                QToolButton* tool = ch == '#' ? form->sbWall : ch == '@' ? form->sbSokoban : ch == '$' ? form->sbBox
                                  : ch == '+' ? form->sbTarget : form->sbClear;
                tool->click();
                form->StringGrid1SelectCell(c, r, canSelect);
            }
    }
    void PlacePoints(TPoint start, TPoint end) {
        bool canSelect = true;
        form->sbSokoban->click();
        form->StringGrid1SelectCell(start.Y, start.X, canSelect);
        form->sbTarget->click();
        form->StringGrid1SelectCell(end.Y, end.X, canSelect);
    }
    QString Panel(int i) const { return form->StatusBar1->panelText(i); }
    QString Memo() const { return form->Memo1->toPlainText(); }
    void SetPanels(const QString& text) {
        for (int i : {1, 3, 5, 7}) form->StatusBar1->setPanelText(i, text);
        form->Memo1->setPlainText(text);
    }
};

struct MoveExample {
    int entry;  // of ComboBox1
    int side;
    TPoint start, end;
    const char* pathText;
    const char* nodes;
    const char* moves;
    std::vector<TPoint> pathCells;      // csPath
    std::vector<TPoint> searchedCells;  // csSearched
};

TEST_F(SearchCommandTest, MoveSearchesShowTheirResult) {
    const MoveExample examples[] = {
        {0, 10, {5, 5}, {6, 6}, "rd", "12", "2", {{5, 6}}, {{4, 5}, {5, 4}, {6, 5}}},
        {1, 8, {0, 0}, {1, 1}, "dr", "6", "2", {{1, 0}}, {{0, 1}, {2, 0}}},
        {2, 10, {5, 5}, {7, 6}, "d(3)", "18", "2", {{6, 5}}, {{4, 4}, {6, 6}}},
        {2, 10, {5, 5}, {6, 6}, "(3)", "8", "1", {}, {{4, 4}, {5, 6}}},  // one move: no path cell
    };
    for (const MoveExample& ex : examples) {
        SCOPED_TRACE(ex.pathText);
        Draw(ex.side, ex.side, {});
        PlacePoints(ex.start, ex.end);
        form->ComboBox1->setCurrentIndex(ex.entry);
        form->bbMoveSearch->click();
        EXPECT_TRUE(errors.empty());
        EXPECT_EQ(Panel(1), ex.nodes);
        EXPECT_EQ(Panel(3), ex.moves);
        EXPECT_EQ(Panel(5), "");
        EXPECT_TRUE(Panel(7).endsWith(" ms"));
        EXPECT_EQ(Memo(), ex.pathText);
        EXPECT_EQ(State(ex.start.X, ex.start.Y), csStart);
        EXPECT_EQ(State(ex.end.X, ex.end.Y), csEnd);
        for (TPoint p : ex.pathCells) EXPECT_EQ(State(p.X, p.Y), csPath) << p.X << "," << p.Y;
        for (TPoint p : ex.searchedCells) EXPECT_EQ(State(p.X, p.Y), csSearched) << p.X << "," << p.Y;
        EXPECT_EQ(form->Searched.Width, ex.side);
    }
}

TEST_F(SearchCommandTest, AMoveSearchWithoutABoxTreatsNoCellAsTheBox) {
    Draw(8, 8, {"@.......", "######..", "+......."});
    form->bbMoveSearch->click();
    EXPECT_EQ(Memo(), "rrrrrrddllllll");
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c) ASSERT_NE(State(r, c), csBox);
}

// The push example: a ring of walls with two more, the man between the box and the end point.
const std::vector<std::string> kPushExample = {
    "#######",
    "#.....#",
    "#.#.#.#",
    "#+@$..#",
    "#######",
};

TEST_F(SearchCommandTest, PushSearchesShowTheirResultInBothModes) {
    struct Case {
        int entry;
        QPushButton* TForm1::*button;
        const char* pathText;
        const char* nodes;  // empty: not checked
        const char* moves;
        const char* pushes;
        int stateOf34;  // BP: the box stood there after a push; BM: it is on the box's path
    };
    const Case cases[] = {
        {0, &TForm1::bbPushSearch, "luurrrrddlLL", "4", "12", "2", csSearched},
        {0, &TForm1::BitBtn1, "RuurrddLLL", "7", "10", "4", csPath},
        {1, &TForm1::bbPushSearch, "luurrrrddlLL", "", "12", "2", csSearched},
        {1, &TForm1::BitBtn1, "RuurrddLLL", "", "10", "4", csPath},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pathText);
        Draw(8, 8, kPushExample, '#');
        form->ComboBox2->setCurrentIndex(c.entry);
        (form.get()->*c.button)->click();
        EXPECT_TRUE(errors.empty());
        if (*c.nodes) {
            EXPECT_EQ(Panel(1), c.nodes);
        }
        EXPECT_EQ(Panel(3), c.moves);
        EXPECT_EQ(Panel(5), c.pushes);
        EXPECT_EQ(Memo(), c.pathText);
        EXPECT_EQ(State(3, 1), csEnd);
        EXPECT_EQ(State(3, 2), csStart);
        EXPECT_EQ(State(3, 3), csBox);
        EXPECT_EQ(State(3, 4), c.stateOf34);
        EXPECT_EQ(State(1, 1), csRoad);      // the box never stood there
        EXPECT_EQ(State(0, 0), csWall);
    }
}

TEST_F(SearchCommandTest, AMissingPointDoesNothingAtAll) {
    Draw(8, 8, kPushExample, '#');
    form->bbPushSearch->click();
    ASSERT_EQ(State(3, 4), csSearched);
    SetPanels("before");
    const TSearchedMap before = form->Searched;

    form->sbClear->click();
    bool canSelect = true;
    form->StringGrid1SelectCell(1, 3, canSelect);  // the end point is gone
    for (QPushButton* b : {form->bbMoveSearch, form->bbPushSearch, form->BitBtn1}) b->click();
    EXPECT_EQ(State(3, 4), csSearched);  // not even reset
    for (int i : {1, 3, 5, 7}) EXPECT_EQ(Panel(i), "before");
    EXPECT_EQ(Memo(), "before");
    EXPECT_EQ(form->Searched.PathText, before.PathText);
}

TEST_F(SearchCommandTest, NoPathChangesOnlyTheTimeAfterTheReset) {
    Draw(8, 8, {"@.#.+...", "..#.....", "###....."});
    form->bbMoveSearch->click();
    EXPECT_EQ(State(0, 1), csRoad);
    SetPanels("before");
    form->bbMoveSearch->click();
    for (int i : {1, 3, 5}) EXPECT_EQ(Panel(i), "before");
    EXPECT_EQ(Memo(), "before");
    EXPECT_NE(Panel(7), "before");
    EXPECT_TRUE(Panel(7).endsWith(" ms"));

    Draw(8, 8, {"@$#+....", "###....."});
    SetPanels("before");
    form->bbPushSearch->click();
    for (int i : {1, 3, 5}) EXPECT_EQ(Panel(i), "before");
    EXPECT_NE(Panel(7), "before");
}

TEST_F(SearchCommandTest, NoSelectedAlgorithmRunsNothing) {
    Draw(8, 8, {"@......+"});
    form->ComboBox1->setEditText("not a search");
    form->Searched.PathText = "untouched";
    SetPanels("before");
    form->bbMoveSearch->click();
    EXPECT_EQ(form->Searched.PathText, "untouched");
    EXPECT_EQ(Memo(), "before");
    EXPECT_TRUE(Panel(7).endsWith(" ms"));
    form->ComboBox1->setCurrentIndex(0);
    form->bbMoveSearch->click();
    EXPECT_EQ(Memo(), "rrrrrrr");
}

TEST_F(SearchCommandTest, StartOnTheEndShowsTheEmptyPathNotTheLastResult) {
    Draw(10, 10, {});
    PlacePoints({5, 5}, {6, 6});
    form->bbMoveSearch->click();
    ASSERT_EQ(State(4, 5), csSearched);
    // Random placing can put the start on the end; painting cannot, so set it directly.
    form->MapInfo.TargetPos = form->MapInfo.SokoPos;
    form->bbMoveSearch->click();
    EXPECT_EQ(State(4, 5), csRoad);
    EXPECT_EQ(State(5, 6), csRoad);
    EXPECT_EQ(Panel(1), "0");
    EXPECT_EQ(Panel(3), "0");
    EXPECT_EQ(Panel(5), "");
    EXPECT_EQ(Memo(), "");
    EXPECT_EQ(form->Searched.Cells[4][5], (TPoint{0, 0}));
}

TEST(SearchTimeText, GeneralFormatWithSevenDigits) {
    struct Case {
        double ms;
        const char* text;
    };
    const Case cases[] = {
        {12.3456789, "12.34568 ms"}, {0.25, "0.25 ms"},        {0, "0 ms"},
        {100, "100 ms"},             {9.99999999, "10 ms"},    {1234567.4, "1234567 ms"},
        {0.00001, "0.00001 ms"},     {0.0000012345, "1.2345E-06 ms"}, {12345678, "1.234568E+07 ms"},
        {0.000123456789, "0.0001234568 ms"},
    };
    for (const Case& c : cases) EXPECT_EQ(SearchTimeText(c.ms, "."), c.text) << c.ms;
    EXPECT_EQ(SearchTimeText(12.3456789, ","), "12,34568 ms");
}

}  // namespace
