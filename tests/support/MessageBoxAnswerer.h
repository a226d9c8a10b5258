#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

// Answers the next modal message boxes as a user would: records each box's
// title and text, then presses `button`. Create it before the action that
// opens the boxes.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok);

    struct Seen {
        QString title;
        QString text;
    };
    const QList<Seen> &seen() const { return m_seen; }
    int count() const { return int(m_seen.size()); }

private:
    void poll();

    QMessageBox::StandardButton m_button;
    QTimer m_timer;
    QList<Seen> m_seen;
};
