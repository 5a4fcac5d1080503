#pragma once
// Where the settings file lives: next to the program when that folder can be written,
// otherwise in the user's configuration folder.

#include <QString>

/// Name of the settings file.
inline constexpr char kSettingsFileName[] = "kestrow.ini";

/// True when the file can be written where it stands, or created when it does not exist.
/// Tries for real (root passes every permission check), and leaves nothing behind.
bool CanWriteFile(const QString& filePath);

/// $XDG_CONFIG_HOME/kestrow/kestrow.ini, else ~/.config/kestrow/kestrow.ini.
QString UserSettingsPath();

/// programFolder + "kestrow.ini" when that file can be written; otherwise the user's path,
/// whose folder is made on the way. Falls back to the program folder when neither works.
QString ChooseSettingsPath(const QString& programFolder);
