#pragma once
// What the window asks of the desktop, in one place, so that tests can stand in for it:
// the error box, the file dialogs, the shell's "open" and the program's folder.

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

/// One request to a file dialog.
struct FileDialogRequest {
    bool save = false;        ///< a save dialog (else an open dialog)
    QString filter;           ///< Qt form, e.g. "Map Files (*.map)"
    QString defaultSuffix;    ///< without the dot, e.g. "map"
    QString initialName;      ///< the name last chosen in this dialog, empty the first time
};

struct WindowSeams {
    /// Shows an error message; the program goes on afterwards.
    std::function<void(QWidget* parent, const QString& message)> showError;
    /// Asks for a file name; an empty result means the dialog was cancelled.
    std::function<QString(QWidget* parent, const FileDialogRequest& request)> askFileName;
    /// Hands an address to the desktop (mail program, browser); the result is ignored.
    std::function<void(const QUrl& address)> openUrl;
    /// Folder of the program's settings file; empty means the executable's folder.
    QString programFolder;

    /// The real desktop: QMessageBox::critical, QFileDialog, QDesktopServices.
    static WindowSeams Desktop();
};
