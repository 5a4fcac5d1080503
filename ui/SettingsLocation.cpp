#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

bool CanWriteFile(const QString& filePath) {
    QFileInfo info(filePath);
    if (info.exists()) {
        if (info.isDir()) return false;
        QFile file(filePath);
        return file.open(QIODevice::ReadWrite);  // opening for writing does not truncate
    }
    if (!info.dir().exists()) return false;
    QTemporaryFile probe(info.dir().filePath("kestrow-probe-XXXXXX"));
    return probe.open();  // removed again when the probe goes
}

QString UserSettingsPath() {
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base)) base = QDir::homePath() + "/.config";
    return base + "/kestrow/" + kSettingsFileName;
}

QString ChooseSettingsPath(const QString& programFolder) {
    QString folder = programFolder;
    if (!folder.endsWith('/')) folder += '/';
    const QString besideProgram = folder + kSettingsFileName;
    if (CanWriteFile(besideProgram)) return besideProgram;

    const QString user = UserSettingsPath();
    QDir().mkpath(QFileInfo(user).path());
    if (CanWriteFile(user)) return user;
    return besideProgram;
}
