#include "UnitMain.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>

#include <chrono>
#include <utility>

#include "CellGrid.h"
#include "SettingsLocation.h"

namespace {
const char kOptionSection[] = "Option";
}

TForm1::TForm1(WindowSeams seams, QWidget* parent) : QWidget(parent), FSeams(std::move(seams)) {
    CreateControls();
    ConnectHandlers();
    FStartingUp = true;
    RunGuarded([this] { FormCreate(); });
    FStartingUp = false;
    if (!FStartupErrors.isEmpty())
        QTimer::singleShot(0, this, [this] {
            for (const QString& message : std::exchange(FStartupErrors, {})) ReportError(message);
        });
}

TForm1::~TForm1() = default;

void TForm1::ReportError(const QString& message) noexcept {
    try {
        if (FStartingUp) {
            FStartupErrors << message;
            return;
        }
        if (FSeams.showError) FSeams.showError(this, message);
    } catch (...) {
        // Nothing is left to tell the user with.
    }
}

void TForm1::FormCreate() {
    setWindowTitle(QStringLiteral("Kestrow Ver 1.1  2004.06.02"));
    FRandom.seed(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    OpenSettings();
    ReadSettingsIntoControls();
    StringGrid1->setColCount(SEMapWidth->value());
    StringGrid1->setRowCount(SEMapHeight->value());
    StringGrid1->setDefaultColWidth(SECellWidth->value());
    StringGrid1->setDefaultRowHeight(SECellWidth->value());
    BuildEmptyMap();
}

QString TForm1::SettingsPath() const {
    return Settings ? QFile::decodeName(QByteArray::fromStdString(Settings->FileName())) : QString();
}

void TForm1::OpenSettings() {
    const QString folder =
        FSeams.programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : FSeams.programFolder;
    const QString path = ChooseSettingsPath(folder);
    const bool firstRun = !QFileInfo::exists(path);
    // The window comes up whatever happens to its settings: a file that cannot be read or
    // saved is reported once, and the run goes on with the values at hand.
    try {
        Settings = std::make_unique<TMyIniFile>(QFile::encodeName(path).toStdString());
    } catch (const std::exception& e) {
        ReportError(QString::fromLocal8Bit(e.what()));
        FSettingsUnsaved = true;
        return;
    }
    if (!firstRun) return;
    try {
        Settings->WriteInteger(kOptionSection, "CBIndex1", 0);
        Settings->WriteInteger(kOptionSection, "CBIndex2", 0);
        Settings->WriteInteger(kOptionSection, "MapHeight", 50);
        Settings->WriteInteger(kOptionSection, "MapWidth", 60);
        Settings->WriteInteger(kOptionSection, "CellWidth", 8);
    } catch (const std::exception& e) {
        ReportError(QString::fromLocal8Bit(e.what()));
        FSettingsUnsaved = true;
    }
}

void TForm1::ReadSettingsIntoControls() {
    auto read = [this](const char* key, int32_t fallback) {
        return Settings ? Settings->ReadInteger(kOptionSection, key, fallback) : fallback;
    };
    // Program selections raise no change event; the spin edits clamp to their ranges and run
    // their change handlers when the value they show changes.
    ComboBox1->setCurrentIndex(read("CBIndex1", 0));
    ComboBox2->setCurrentIndex(read("CBIndex2", 0));
    // Long entries show their beginning, not their end.
    ComboBox1->lineEdit()->setCursorPosition(0);
    ComboBox2->lineEdit()->setCursorPosition(0);
    SEMapWidth->setValue(read("MapWidth", 60));
    SEMapHeight->setValue(read("MapHeight", 50));
    SECellWidth->setValue(read("CellWidth", 8));
}

void TForm1::WriteSetting(const char* key, int32_t value) {
    if (!Settings) return;
    try {
        Settings->WriteInteger(kOptionSection, key, value);
    } catch (const EFCreateError&) {
        if (!FSettingsUnsaved) throw;
    }
}

int TForm1::ComboItemIndex(const QComboBox* combo) {
    return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void TForm1::ComboBox1Change() { WriteSetting("CBIndex1", ComboItemIndex(ComboBox1)); }

void TForm1::ComboBox2Change() { WriteSetting("CBIndex2", ComboItemIndex(ComboBox2)); }

int TForm1::Random(int n) {
    if (n <= 0) return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(FRandom);
}

bool TForm1::event(QEvent* event) {
    // Hints of the control under the pointer travel up as status tips.
    if (event->type() == QEvent::StatusTip) {
        StatusBarHits->showMessage(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!std::exchange(FShown, true)) PlaceSplitters();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove && (watched == LabelMail || watched == LabelURL || watched == Panel4)) {
        if (watched == LabelMail) RunGuarded([this] { LabelMailMouseMove(); });
        else if (watched == LabelURL) RunGuarded([this] { LabelURLMouseMove(); });
        else RunGuarded([this] { Panel4MouseMove(); });
        return true;
    }
    if (type == QEvent::MouseButtonRelease && (watched == LabelMail || watched == LabelURL)) {
        // A click is a release of the left button over the link that was pressed.
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* link = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && link->rect().contains(mouse->position().toPoint())) {
            if (watched == LabelMail) RunGuarded([this] { LabelMailClick(); });
            else RunGuarded([this] { LabelURLClick(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
