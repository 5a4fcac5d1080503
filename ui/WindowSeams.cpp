#include "WindowSeams.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

WindowSeams WindowSeams::Desktop() {
    WindowSeams seams;
    seams.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, QCoreApplication::applicationName(), message);
    };
    seams.askFileName = [](QWidget* parent, const FileDialogRequest& request) {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().constFirst();
    };
    seams.openUrl = [](const QUrl& address) { QDesktopServices::openUrl(address); };
    return seams;
}
