#pragma once

#include "core/FormatError.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace orvanta {

// What the window says around a save of "lang.dat": the questions before
// it, its success and its failure, and the question on closing with
// unsaved work. In the window's language; boxes are modal.
class SaveMessages {
    Q_DECLARE_TR_FUNCTIONS(SaveMessages)

public:
    // A save went through, under the caption "Completed".
    // `notices`: what the save was told on the way (a stale save lock taken over).
    static void completed(QWidget *parent, const QStringList &notices);
    // A save failed: why, and that the previous "lang.dat" is unchanged; or,
    // for a save left unfinished (FormatError::Kind::Unfinished), that the
    // new one is in place and the rest follows.
    static void saveFailed(QWidget *parent, const FormatError &error);

    // Before a save that would replace what "lang.dat" holds: glyphs of
    // another font or code page (`glyphs` names the ones written), text
    // records (`fewerTexts` says how many are lost). True to go on.
    static bool askReplaceGlyphs(QWidget *parent, const QString &glyphs);
    static bool askSaveFewerTexts(QWidget *parent, const QString &fewerTexts);
    // Before a save that replaces a read-only "lang.dat" (`readOnly` says
    // so). True to go on.
    static bool askReplaceReadOnly(QWidget *parent, const QString &readOnly);

    // Before a save: "lang.dat" changed on disk since the kit read or last
    // saved it. Reset (reload the kit's work and lose the unsaved edits),
    // Save (overwrite) or Cancel.
    static QMessageBox::StandardButton askChangedOnDisk(QWidget *parent);

    // Closing on unsaved work: Save, Discard or Cancel.
    static QMessageBox::StandardButton askSaveBeforeClosing(QWidget *parent);
};

} // namespace orvanta
