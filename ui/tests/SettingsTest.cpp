// The settings file: first run, stored values at start-up, one write per change, and the
// user's configuration folder when the program's folder cannot be written.

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

#include "FormFixture.h"
#include "SettingsLocation.h"

namespace {
const QByteArray kFirstRun = "[Option]\r\nCBIndex1=0\r\nCBIndex2=0\r\nMapHeight=50\r\nMapWidth=60\r\nCellWidth=8\r\n";
}

using SettingsTest = FormTest;

TEST_F(SettingsTest, FirstRunWritesTheSixLinesAndOpensWithTheDefaults) {
    StartForm();
    EXPECT_EQ(ReadBytes(SettingsFile()), kFirstRun);
    EXPECT_EQ(form->SettingsPath(), SettingsFile());
    EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
    EXPECT_EQ(form->ComboBox1->currentText(), "(4 Dir) Breadth-First Search");
    EXPECT_EQ(form->ComboBox2->currentIndex(), 0);
    EXPECT_EQ(form->SECellWidth->value(), 8);
    EXPECT_TRUE(errors.empty());
}

TEST_F(SettingsTest, StoredValuesAreClampedAndTheClampedOnesWrittenBack) {
    WriteBytes(SettingsFile(), "[Option]\r\nCBIndex1=2\r\nCBIndex2=1\r\nMapHeight=3\r\nMapWidth=5000\r\nCellWidth=abc\r\n");
    StartForm();
    EXPECT_EQ(form->MapInfo.Width, 1000);
    EXPECT_EQ(form->MapInfo.Height, 8);
    EXPECT_EQ(form->StringGrid1->colCount(), 1000);
    EXPECT_EQ(form->MapInfo.Map[7].size(), 1000u);
    EXPECT_EQ(form->SECellWidth->value(), 8);
    EXPECT_EQ(form->ComboBox1->currentIndex(), 2);
    EXPECT_EQ(form->ComboBox2->currentIndex(), 1);
    // The clamped sizes replace the stored ones; the unreadable cell size stays as it was.
    EXPECT_EQ(ReadBytes(SettingsFile()),
              "[Option]\r\nCBIndex1=2\r\nCBIndex2=1\r\nMapHeight=8\r\nMapWidth=1000\r\nCellWidth=abc\r\n");
}

TEST_F(SettingsTest, AnIndexOutsideTheListLeavesNoEntrySelected) {
    WriteBytes(SettingsFile(), "[Option]\r\nCBIndex1=7\r\nCBIndex2=-1\r\n");
    StartForm();
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(TForm1::ComboItemIndex(form->ComboBox1), -1);
    EXPECT_EQ(TForm1::ComboItemIndex(form->ComboBox2), -1);
    EXPECT_EQ(ReadBytes(SettingsFile()), "[Option]\r\nCBIndex1=7\r\nCBIndex2=-1\r\n");  // nothing written
}

using SettingsChangeTest = StartedForm;

TEST_F(SettingsChangeTest, EachChangeWritesItsKeyAtOnce) {
    auto fileHolds = [&](const char* line) { return ReadBytes(SettingsFile()).contains(QByteArray(line) + "\r\n"); };
    form->SECellWidth->setValue(12);
    EXPECT_TRUE(fileHolds("CellWidth=12"));
    form->SEMapHeight->setValue(80);
    EXPECT_TRUE(fileHolds("MapHeight=80"));

    // One save per keystroke that gives a value in range.
    QLineEdit* field = form->SEMapWidth->findChild<QLineEdit*>();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClick(field, '0');
    EXPECT_TRUE(fileHolds("MapWidth=600"));
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_TRUE(fileHolds("MapWidth=60"));

    // A pick from the list, and an edit of the list's text.
    form->ComboBox1->setCurrentIndex(1);
    emit form->ComboBox1->activated(1);
    EXPECT_TRUE(fileHolds("CBIndex1=1"));
    QLineEdit* edit = form->ComboBox2->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "Dijkstra");
    EXPECT_TRUE(fileHolds("CBIndex2=-1"));
    EXPECT_EQ(ReadBytes(SettingsFile()).count("\r\n"), 6);  // still six lines
}

TEST_F(SettingsChangeTest, SelectingFromTheProgramWritesNothing) {
    const QByteArray before = ReadBytes(SettingsFile());
    form->ComboBox1->setCurrentIndex(2);
    EXPECT_EQ(ReadBytes(SettingsFile()), before);
}

// A program folder that cannot hold files: settings go to the user's configuration folder.
class InstalledCopyTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        oldConfigHome = qgetenv("XDG_CONFIG_HOME");
        hadConfigHome = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", PathOf("config").toLocal8Bit());
    }
    void TearDown() override {
        if (hadConfigHome) qputenv("XDG_CONFIG_HOME", oldConfigHome);
        else qunsetenv("XDG_CONFIG_HOME");
    }
    QString ProgramFolder() const override { return PathOf("no-such-folder/bin"); }

    QByteArray oldConfigHome;
    bool hadConfigHome = false;
};

TEST_F(InstalledCopyTest, SettingsLiveInTheUsersConfigurationFolder) {
    StartForm();
    const QString userFile = PathOf("config/kestrow/kestrow.ini");
    EXPECT_EQ(UserSettingsPath(), userFile);
    EXPECT_EQ(form->SettingsPath(), userFile);
    EXPECT_EQ(ReadBytes(userFile), kFirstRun);
    form->SEMapWidth->setValue(70);
    EXPECT_TRUE(ReadBytes(userFile).contains("MapWidth=70\r\n"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(InstalledCopyTest, WithNoWritablePlaceTheWindowComesUpAndTellsOnce) {
    WriteBytes(PathOf("config"), "a file where the folder should be");
    StartForm();
    QCoreApplication::processEvents();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_TRUE(errors[0].startsWith("Cannot create file")) << errors[0].toStdString();
    EXPECT_EQ(form->MapInfo.Width, 60);
    // The controls still work, without a message for each unsaved change.
    form->SEMapWidth->setValue(70);
    EXPECT_EQ(form->MapInfo.Width, 70);
    EXPECT_EQ(errors.size(), 1u);
}

TEST(SettingsLocationTest, WritableFolderIsTakenAndProbesLeaveNothing) {
    QTemporaryDir dir;
    EXPECT_EQ(ChooseSettingsPath(dir.path()), dir.path() + "/kestrow.ini");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_FALSE(CanWriteFile(dir.path()));  // a folder is no file
}
