#pragma once

#include <QImage>
#include <QString>
#include <QTimer>

// Answers the next modal file dialog as a user would: chooses the file type
// `filter` when given, types `path` into its name field and accepts, or
// cancels when `path` is empty. Remembers the dialog's object name, its
// folder, the file it offered and what its picture preview showed at the
// end. Create it before the action that opens the dialog.
class FileDialogAnswerer {
public:
    explicit FileDialogAnswerer(const QString &path, const QString &filter = {});

    struct Seen {
        QString dialogName;
        QString folder;
        QString offered;
        QImage preview; // null when the dialog has none or it shows nothing
    };
    const Seen &seen() const { return m_seen; }

private:
    QTimer m_timer;
    Seen m_seen;
    int m_steadyTicks = 0; // how long the typed name has stood
};
