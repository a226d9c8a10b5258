#pragma once

#include "MessageBoxAnswerer.h"
#include "TempKit.h"
#include "ui/TMainForm.h"

#include <QKeySequence>
#include <QList>

#include <memory>

class QLineEdit;
class QTableView;

// The kit's window on a throwaway kit folder, driven as a translator drives
// it: clicks, keys and answered message boxes. The folder starts with the
// sample kvmain.dat; add to it (or take from it), then open().
class KitWindow {
public:
    using Seen = QList<MessageBoxAnswerer::Seen>;

    TempKit kit;
    std::unique_ptr<orvanta::TMainForm> form;

    KitWindow();
    ~KitWindow();

    // Opens a new window on the folder (closing none) and shows it; returns
    // the messages it showed at start-up.
    Seen open();
    // The same, answering the boxes it shows with `answers`, one after the
    // other.
    Seen open(const QList<QMessageBox::StandardButton> &answers);

    template <typename W = QWidget>
    W *find(const char *name) const
    {
        return form->findChild<W *>(QString::fromLatin1(name));
    }
    // The text of label `name` as the translator reads it: rich text as
    // it is drawn, without its tags.
    QString shownText(const char *name) const;
    orvanta::KitDocument &document() const;
    QTableView *grid() const;

    // Makes page 0, 1 or 2 current with Ctrl+1, 2 or 3.
    void showPage(int page);
    // Clicks a cell of the grid (column 0, 1 or 2).
    void click(int gridRow, int column) const;
    // Clicks a cell and presses F2; the editor that opened, or null.
    QLineEdit *edit(int gridRow, int column) const;
    // Replaces the translation of `gridRow` by typing `text`, then Enter.
    void type(int gridRow, const QString &text) const;
    // Presses `keys` on the focused widget, answering the boxes they open.
    Seen press(const QKeySequence &keys, QMessageBox::StandardButton answer = QMessageBox::Ok) const;
    // Clicks the save button and answers what it shows with `answer`, or
    // with `answers` one box after the other.
    Seen save(QMessageBox::StandardButton answer = QMessageBox::Ok) const;
    Seen save(const QList<QMessageBox::StandardButton> &answers) const;
    // Closes the window, answering a question with `answer`; true when it
    // closed.
    bool close(const QList<QMessageBox::StandardButton> &answers, Seen *seen = nullptr) const;
};
