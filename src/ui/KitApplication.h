#pragma once

#include <QString>

#include <memory>

namespace orvanta {

class TMainForm;

// The kit's entry point: sets up the application, opens the main window on
// the folder of the executable in the translator's language (Translations),
// runs the event loop. Any exception that
// escapes start-up is shown in the application's error box; the exit code
// is always 0.
class KitApplication {
public:
    static const QString Title;

    static int run(int argc, char **argv);

    // The folder of the running executable with a trailing separator; the
    // current directory plays no part.
    static QString applicationDirectory();

    // The main window on `kitDirectory`, holding the folder's open lock for
    // as long as it lives. When another window holds the folder, the
    // translator is asked first; null when they choose to quit.
    static std::unique_ptr<TMainForm> openWindow(const QString &kitDirectory);
};

} // namespace orvanta
