#include "KitApplication.h"

#include "Controls.h"
#include "Messages.h"
#include "TMainForm.h"
#include "io/PlatformDisplay.h"
#include "kit/KitOpenLock.h"
#include "kit/KitSettings.h"
#include "kit/Translations.h"

#include <QApplication>
#include <QFontMetrics>
#include <QThreadPool>

#include <exception>

namespace orvanta {

const QString KitApplication::Title = QStringLiteral("Orvanta Localization Kit");

QString KitApplication::applicationDirectory()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

std::unique_ptr<TMainForm> KitApplication::openWindow(const QString &kitDirectory)
{
    // The window's first text measured would wait for the font database to
    // read the system's font configuration and for the window font to load:
    // several milliseconds, run beside loading the kit and making the first
    // controls. Fonts may be used from any thread; the database is shared.
    QThreadPool::globalInstance()->start([] { QFontMetrics(Controls::font()).height(); });
    auto lock = std::make_unique<KitOpenLock>(kitDirectory);
    if (lock->tryLock() == KitOpenLock::State::HeldElsewhere
        && Messages::askOpenAgain(kitDirectory, lock->holder()) != QMessageBox::Open)
        return nullptr;
    return std::make_unique<TMainForm>(kitDirectory, std::move(lock));
}

int KitApplication::run(int argc, char **argv)
{
    PlatformDisplay::chooseWindowPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(Title);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.3"));
    QApplication::setOrganizationName(QStringLiteral("Kolvane Software"));
    // The window speaks the language the translator chose in it, else the system's.
    Translations::install(
        Translations::pick(KitSettings(applicationDirectory()).windowLanguage(), QLocale::system()));
    QString failure;
    try {
        const auto form = openWindow(applicationDirectory());
        if (!form)
            return 0;
        form->show();
        app.exec();
        return 0;
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure.clear();
    }
    Messages::showError(nullptr, failure);
    return 0;
}

} // namespace orvanta
