#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QTimer>

// Answers the next modal message boxes as a user would: records each box's
// title, text, informative text and icon, then presses the answer. Given one answer, it presses it
// in every box; given several, one per box in order, the last for every box
// after them. A box without the wanted button fails the test, and is
// closed with Escape so that the test goes on. Create it before the action
// that opens the boxes.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok);
    explicit MessageBoxAnswerer(const QList<QMessageBox::StandardButton> &answers);

    struct Seen {
        QString title;
        QString text;
        QString detail;  // the informative text below it
        QPixmap picture; // the box's icon pixmap (a preview)
    };
    const QList<Seen> &seen() const { return m_seen; }
    int count() const { return int(m_seen.size()); }

private:
    void poll();

    QList<QMessageBox::StandardButton> m_answers;
    QTimer m_timer;
    QList<Seen> m_seen;
};
