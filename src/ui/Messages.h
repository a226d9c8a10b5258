#pragma once

#include "core/FormatError.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace orvanta {

// What the window tells the translator about the kit as a whole: errors,
// refusals under "Attantion", what start-up found, the kit open in another
// window, the history line, the window's language and the guide. Each page
// part has its messages class beside this one (TextsMessages,
// ExchangeMessages, FontMessages, PictureMessages, SaveMessages): every
// message box with its caption and text, and every text that shows a
// state. The fixed captions of controls (labels, buttons, menu items,
// dialog titles, file filters, and tooltips that say what a control does)
// stand where each control is made. Every text is in the window's language
// (tr()); counts are written as that language writes them. Boxes are modal
// and return when the translator has answered.
class Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)

public:
    // A text that a lower layer writes in English, marked there with
    // QT_TRANSLATE_NOOP(`context`, ...), in the window's language; any other
    // text as it is.
    static QString translated(const char *context, const QString &english);

    // Shows `box` and returns the standard button the translator chose.
    static QMessageBox::StandardButton ask(QMessageBox &box);

    // The application's error box: the message as exceptionText() gives it,
    // under the application title, with the stop icon.
    static void showError(QWidget *parent, const QString &message);
    // A message as the error box shows it: a full stop is added when the
    // message is not empty and its last character sorts after '.'.
    static QString exceptionText(const QString &message);

    // A refusal (a redrawn picture, a suggestion the code page cannot
    // hold) under the caption "Attantion"; `detail`, when given, stands
    // below the refusal.
    static void attention(QWidget *parent, const QString &refusal, const QString &detail = QString());

    // A file the kit was to write could not be created.
    static void cannotCreateFile(QWidget *parent, const QString &path);

    // The window's language was chosen: it takes effect at the next start.
    static QString windowLanguageNote();

    // "?" found no program to open the translator's guide at `path`.
    static void guideAt(QWidget *parent, const QString &path);

    // What start-up found: damaged archives and ignored settings, in one box;
    // nothing is shown when there is nothing to say.
    // `notices` (OpenKit::Opened::notices) stand apart from the damage.
    static void startupProblems(QWidget *parent, const std::vector<FormatError> &archiveProblems,
                                const QStringList &settingsWarnings, const std::vector<FormatError> &notices = {});
    static QString archiveProblemsText(const std::vector<FormatError> &problems);

    // The kit folder is open in another window (`holder`): Open (anyway) or
    // Close (quit).
    static QMessageBox::StandardButton askOpenAgain(const QString &kitDirectory, const QString &holder);

    // The window's history line after an undo (or a redo) of `what`.
    static QString historyStep(bool undone, const QString &what);
};

} // namespace orvanta
