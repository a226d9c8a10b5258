#pragma once

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

namespace orvanta {

// What the Texts page's exchange of translations tells the translator:
// imports (their questions and reports), taking the translations of an
// older kit, and carrying them over to new sources; with the history's
// names of these steps. In the window's language; boxes are modal.
class ExchangeMessages {
    Q_DECLARE_TR_FUNCTIONS(ExchangeMessages)

public:
    // The import of `file`, and taking the translations of the older kit in
    // `folder`, as the history names them (and the report's title).
    static QString importDescription(const QString &file);
    static QString olderKitDescription(const QString &folder);
    // Carrying the translations to where their sources stand now, after a
    // new kvmain.dat.
    static QString carryOverDescription();
    // kvmain.dat holds other sources than the translations were saved
    // against (`shift` says how): carry them over (true) or open as it is?
    static bool askCarryOver(QWidget *parent, const QString &shift);
    // What an import (`description`) did, line by line as ImportReport words it.
    static void importReport(QWidget *parent, const QString &description, const QStringList &report);
    // The texts file `file` names code page `fileCodePage`, the kit uses
    // `kitCodePage`: Yes (import in the file's, which the kit takes), No
    // (in the kit's) or Cancel.
    static QMessageBox::StandardButton askFileCodePage(QWidget *parent, const QString &file, int fileCodePage,
                                                       int kitCodePage);
    // Some translations of an import are refused: import the others?
    static bool askImportTheRest(QWidget *parent, const QString &description, const QStringList &report);
};

} // namespace orvanta
