#include "FileDialog.h"

#include <QFileInfo>
#include <QStringList>

QString FileDialog::QtFilter(const QString& filter) {
    // Pairs of display text and pattern, all joined by bars.
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters.join(";;");
}

bool FileDialog::Execute(QWidget* parent, const WindowSeams& seams) {
    FileDialogRequest request;
    request.save = save_;
    request.filter = QtFilter(filter_);
    request.defaultSuffix = defaultExt_.startsWith('.') ? defaultExt_.mid(1) : defaultExt_;
    request.initialName = fileName_;
    QString chosen = seams.askFileName ? seams.askFileName(parent, request) : QString();
    if (chosen.isEmpty()) return false;
    if (QFileInfo(chosen).suffix().isEmpty() && !request.defaultSuffix.isEmpty())
        chosen += '.' + request.defaultSuffix;
    fileName_ = chosen;
    return true;
}
