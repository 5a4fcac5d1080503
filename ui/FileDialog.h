#pragma once
// An open or save dialog with a filter and a default extension that remembers the name
// last chosen in it.

#include <QString>

#include "WindowSeams.h"

class QWidget;

class FileDialog {
public:
    /// filter in the window's own form, "Map Files|*.map"; defaultExt with its dot, ".map".
    FileDialog(bool save, QString filter, QString defaultExt)
        : save_(save), filter_(std::move(filter)), defaultExt_(std::move(defaultExt)) {}

    /// Shows the dialog through the seam; false when cancelled. A name chosen without an
    /// extension gets the default one.
    bool Execute(QWidget* parent, const WindowSeams& seams);

    /// The name last chosen, empty before the first.
    const QString& FileName() const { return fileName_; }
    const QString& Filter() const { return filter_; }
    const QString& DefaultExt() const { return defaultExt_; }
    bool IsSave() const { return save_; }

    /// "Map Files|*.map" as Qt writes it: "Map Files (*.map)".
    static QString QtFilter(const QString& filter);

private:
    bool save_;
    QString filter_;
    QString defaultExt_;
    QString fileName_;
};
