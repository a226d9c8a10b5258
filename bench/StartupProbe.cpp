// Start-up probe: starts the application, opens one window and ends the
// process as soon as the window is shown on the screen (exposed and
// painted); tearing down is not start-up. Timed from outside
// (bench/startup.sh), it gives the start-up time of a window.
//
//   startup_probe --bare    a bare QWidget of the kit window's default size
//   startup_probe KITDIR    the kit's window on the kit folder KITDIR
//
// Both start the same way: the same process, one QApplication, show, wait
// until exposed, quit.
#include "ui/KitApplication.h"
#include "ui/TMainForm.h"

#include <QApplication>
#include <QEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Ends the process once the window is exposed, after the paint that
// exposure brings.
class QuitWhenExposed : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orvanta::KitApplication::Title);
    if (argc != 2) {
        std::fprintf(stderr, "usage: startup_probe --bare | startup_probe KITDIR\n");
        return 2;
    }
    std::unique_ptr<QWidget> window;
    if (QByteArray(argv[1]) == "--bare") {
        window = std::make_unique<QWidget>();
        window->resize(orvanta::TMainForm::DefaultSize);
    } else {
        window = orvanta::KitApplication::openWindow(QString::fromLocal8Bit(argv[1]) + QLatin1Char('/'));
        if (!window)
            return 1;
    }
    QuitWhenExposed quit;
    window->winId(); // makes the native window, to watch it before it shows
    window->windowHandle()->installEventFilter(&quit);
    window->show();
    return app.exec();
}
