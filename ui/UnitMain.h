#pragma once
// The main window: the controls, the map workspace and every event handler.

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <random>

#include "CellStates.h"
#include "FileDialog.h"
#include "GraphSearch.h"
#include "SkinData.h"
#include "WindowSeams.h"
#include "myIniFiles.h"

class CellGrid;
class PanelStatusBar;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QToolButton;

/// The program's one window. Controls and workspace fields are public so that the
/// handlers of other files and the tests reach them as the window's own.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    /// Builds every control, wires the handlers and runs FormCreate.
    explicit TForm1(WindowSeams seams = WindowSeams::Desktop(), QWidget* parent = nullptr);
    ~TForm1() override;

    // Layout: the left column and the work area.
    QFrame* Panel1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QFrame* Panel2 = nullptr;

    // Left column, top part.
    QFrame* Panel3 = nullptr;
    QToolButton* sbClear = nullptr;
    QToolButton* sbWall = nullptr;
    QToolButton* sbSokoban = nullptr;
    QToolButton* sbBox = nullptr;
    QToolButton* sbTarget = nullptr;
    QPushButton* bbOpen = nullptr;
    QPushButton* bbSave = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* Label1 = nullptr;
    QSpinBox* SECellWidth = nullptr;
    QLabel* Label2 = nullptr;
    QSpinBox* SEMapWidth = nullptr;
    QLabel* Label3 = nullptr;
    QSpinBox* SEMapHeight = nullptr;
    QPushButton* bbRandom = nullptr;
    QPushButton* bbRandomWall = nullptr;
    QPushButton* bbClear = nullptr;
    QPushButton* bbReset = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* bbMoveSearch = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QPushButton* bbPushSearch = nullptr;
    QPushButton* BitBtn1 = nullptr;
    /// The five paint tools, group 3: exactly one is down.
    QButtonGroup* PaintTools = nullptr;

    // Left column, about panel and hint line.
    QFrame* Panel4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* LabelAuthor = nullptr;
    QLabel* LabelMail = nullptr;
    QLabel* LabelURL = nullptr;
    QLabel* LabelRights = nullptr;
    QStatusBar* StatusBarHits = nullptr;

    // Work area.
    CellGrid* StringGrid1 = nullptr;
    QLabel* PanelInfor = nullptr;
    QSplitter* Splitter2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    PanelStatusBar* StatusBar1 = nullptr;

    FileDialog OpenDialog1{false, "Map Files|*.map", ".map"};
    FileDialog SaveDialog1{true, "Map Files|*.map", ".map"};
    FileDialog SaveDialog2{true, "XSB File|*.xsb", ".xsb"};
    TSkinData SkinData1;

    // The workspace.
    TMapData MapInfo;
    TSearchedMap Searched;
    std::unique_ptr<TMyIniFile> Settings;
    TCellStates CellStates;

    // Event handlers.
    void FormCreate();
    void SECellWidthChange();
    void StringGrid1SelectCell(int ACol, int ARow, bool& CanSelect);
    void SEMapWidthChange();
    void SEMapHeightChange();
    void bbSaveClick();
    void bbOpenClick();
    void bbMoveSearchClick();
    void bbResetClick();
    void StringGrid1DrawCell(QPainter& Canvas, int ACol, int ARow, const QRect& Rect);
    void bbClearClick();
    void bbRandomClick();
    void StringGrid1MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
    void bbPushSearchClick(QObject* Sender);
    void bbRandomWallClick();
    void LabelMailClick();
    void LabelMailMouseMove();
    void LabelURLClick();
    void LabelURLMouseMove();
    void Panel4MouseMove();
    void Button5Click();
    void ComboBox1Change();
    void ComboBox2Change();

    /// Writes the point marks: the end, then the start, then the box, each when set.
    void MarkPoints();

    /// The entry a combo box stands on: the item whose text equals the edit text, else -1.
    static int ComboItemIndex(const QComboBox* combo);
    /// A uniform integer from 0 to n - 1 from the window's one generator.
    int Random(int n);
    /// Restarts the generator, so that tests can predict "Random" and "Random Wall".
    void SeedRandom(uint32_t seed) { FRandom.seed(seed); }
    /// The settings file in use.
    QString SettingsPath() const;

    /// Runs a handler; an exception it throws is shown in the error box, and the window
    /// goes on. No exception leaves this function.
    template <class Handler>
    void RunGuarded(Handler&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& e) {
            ReportError(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            ReportError(QStringLiteral("Unknown error"));
        }
    }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void CreateLeftColumn();
    void CreateAboutPanel();
    void CreateWorkArea();
    void ConnectHandlers();
    void PlaceSplitters();

    void ReportError(const QString& message) noexcept;
    void OpenSettings();
    void ReadSettingsIntoControls();
    void WriteSetting(const char* key, int32_t value);
    void BuildEmptyMap();
    void ResizeWorkspace(int32_t height, int32_t width);
    void ApplyMap(const TMapData& loaded);
    void SetLinkLook(QLabel* link, bool hovered);
    void RepaintGrid();

    WindowSeams FSeams;
    std::mt19937 FRandom;
    // Set when the settings file could not be saved at start-up: further saves are not
    // reported again, so a read-only setup costs the user one message.
    bool FSettingsUnsaved = false;
    // Messages of the start-up wait until the window is up, so they show over it.
    bool FStartingUp = false;
    bool FShown = false;
    QStringList FStartupErrors;
};
