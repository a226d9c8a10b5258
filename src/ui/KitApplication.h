#pragma once

#include <QString>

class QWidget;

namespace orvanta {

// The kit's entry point: sets up the application, opens the main window from
// the folder of the executable, runs the event loop. Any exception that
// escapes start-up is shown in a message box titled with the application
// title; the exit code is always 0.
class KitApplication {
public:
    static const QString Title;

    static int run(int argc, char **argv);

    // The folder of the running executable with a trailing separator; the
    // current directory plays no part.
    static QString applicationDirectory();

    // An exception's message as the error box shows it: a full stop is added
    // when the message is not empty and its last character sorts after '.'.
    static QString exceptionText(const QString &message);

    // The application's error box: the message as exceptionText() gives it,
    // under the application title, with the stop icon.
    static void showError(QWidget *parent, const QString &message);
};

} // namespace orvanta
