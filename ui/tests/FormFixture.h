#pragma once
// A window on the offscreen platform, started in a fresh program folder, with its desktop
// replaced: errors are recorded, file dialogs answered from a list, addresses collected.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

#include "CellGrid.h"
#include "UnitMain.h"

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    /// Starts the window; settings written before this are what it finds.
    void StartForm() {
        WindowSeams seams;
        seams.programFolder = ProgramFolder();
        seams.showError = [this](QWidget*, const QString& message) { errors.push_back(message); };
        seams.askFileName = [this](QWidget*, const FileDialogRequest& request) {
            requests.push_back(request);
            if (answers.empty()) return QString();
            QString answer = answers.front();
            answers.pop_front();
            return answer;
        };
        seams.openUrl = [this](const QUrl& address) { opened.push_back(address); };
        form = std::make_unique<TForm1>(std::move(seams));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
    }

    virtual QString ProgramFolder() const { return folder.path(); }
    QString PathOf(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QString SettingsFile() const { return PathOf("kestrow.ini"); }

    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The grid, driven as a user does.
    QWidget* GridView() const { return form->StringGrid1->viewport(); }
    QPoint CellCentre(int row, int col) const { return form->StringGrid1->cellRect(col, row).center(); }
    void ClickCell(int row, int col) { QTest::mouseClick(GridView(), Qt::LeftButton, {}, CellCentre(row, col)); }
    void Paint(QAbstractButton* tool, int row, int col) {
        tool->click();
        ClickCell(row, col);
    }
    void MovePointer(QPoint at, Qt::MouseButtons held = Qt::NoButton) {
        QMouseEvent move(QEvent::MouseMove, at, GridView()->mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
        QApplication::sendEvent(GridView(), &move);
    }
    /// Presses on the first cell, moves with the button held over the others, releases.
    void Drag(const std::vector<std::pair<int, int>>& cells) {
        QTest::mousePress(GridView(), Qt::LeftButton, {}, CellCentre(cells.front().first, cells.front().second));
        for (size_t i = 1; i < cells.size(); ++i) MovePointer(CellCentre(cells[i].first, cells[i].second), Qt::LeftButton);
        QTest::mouseRelease(GridView(), Qt::LeftButton, {}, CellCentre(cells.back().first, cells.back().second));
    }

    int State(int row, int col) const { return form->CellStates[size_t(row)][size_t(col)]; }
    int MapValue(int row, int col) const { return form->MapInfo.Map[size_t(row)][size_t(col)]; }

    QTemporaryDir folder;
    std::unique_ptr<TForm1> form;
    std::vector<QString> errors;
    std::deque<QString> answers;  // the file dialogs' answers in turn; none left: cancelled
    std::vector<FileDialogRequest> requests;
    std::vector<QUrl> opened;
};

/// A started window with the first-run settings: a 60 x 50 map at cell size 8.
class StartedForm : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        StartForm();
    }
};

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline constexpr TPoint kUnsetPoint{-1, -1};
inline bool IsSetForTest(TPoint p) { return p.X >= 0 && p.Y >= 0; }
