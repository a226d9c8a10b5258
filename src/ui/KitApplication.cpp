#include "KitApplication.h"

#include "TMainForm.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>
#include <memory>

namespace orvanta {

const QString KitApplication::Title = QStringLiteral("Orvanta Localization Kit");

QString KitApplication::applicationDirectory()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

QString KitApplication::exceptionText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void KitApplication::showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, Title, exceptionText(message));
}

int KitApplication::run(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Title);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0.3"));
    QApplication::setOrganizationName(QStringLiteral("Kolvane Software"));
    QString failure;
    try {
        auto form = std::make_unique<TMainForm>(applicationDirectory());
        form->show();
        app.exec();
        return 0;
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    } catch (...) {
        failure.clear();
    }
    showError(nullptr, failure);
    return 0;
}

} // namespace orvanta
