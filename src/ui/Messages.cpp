#include "Messages.h"

#include "KitApplication.h"

#include <QAbstractButton>
#include <QDir>

namespace orvanta {

QMessageBox::StandardButton Messages::ask(QMessageBox &box)
{
    box.exec();
    return box.standardButton(box.clickedButton());
}

QString Messages::translated(const char *context, const QString &english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

void Messages::attention(QWidget *parent, const QString &refusal, const QString &detail)
{
    // A refusal of the picture check in the window's language; any other
    // (a file that cannot be read) as it comes.
    QMessageBox box(QMessageBox::NoIcon, tr("Attantion"), translated("orvanta::TranslatedPictureCheck", refusal),
                    QMessageBox::Ok, parent);
    box.setInformativeText(detail);
    box.exec();
}

QString Messages::exceptionText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void Messages::showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, KitApplication::Title, exceptionText(message));
}

void Messages::cannotCreateFile(QWidget *parent, const QString &path)
{
    showError(parent, tr("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
}

QString Messages::archiveProblemsText(const std::vector<FormatError> &problems)
{
    QString text = tr("A language archive of the kit is missing or damaged and was read only in part:\n\n");
    // A badly damaged archive can have a problem in every record: list the
    // first few, so the message stays readable.
    constexpr std::size_t Listed = 10;
    for (std::size_t i = 0; i < problems.size() && i < Listed; ++i)
        text += QString::fromStdString(problems[i].text()) + QLatin1Char('\n');
    if (problems.size() > Listed)
        text += tr("... and %1 more problems of the same kind\n").arg(problems.size() - Listed);
    text += tr(
        "\nWhatever could not be read is shown from the kit's own data (source texts, standard pictures). "
        "A save now writes a new \"lang.dat\" from what you see; keep a copy of the damaged file if you need "
        "its contents.");
    return text;
}

void Messages::startupProblems(QWidget *parent, const std::vector<FormatError> &archiveProblems,
                               const QStringList &settingsWarnings, const std::vector<FormatError> &notices)
{
    QStringList parts;
    if (!archiveProblems.empty())
        parts.append(archiveProblemsText(archiveProblems));
    for (const FormatError &notice : notices)
        parts.append(QString::fromStdString(notice.text()));
    if (!settingsWarnings.isEmpty())
        parts.append(tr("Some of your settings were ignored; the kit's defaults stand in for them:\n\n")
                     + settingsWarnings.join(QLatin1Char('\n')));
    if (!parts.isEmpty())
        QMessageBox::warning(parent, KitApplication::Title, parts.join(QStringLiteral("\n\n")));
}

QMessageBox::StandardButton Messages::askOpenAgain(const QString &kitDirectory, const QString &holder)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    tr("The kit in %1 is already open in another window (%2).\n\n"
                       "Two windows on one kit save over each other's work. Open it anyway?")
                        .arg(QDir::toNativeSeparators(kitDirectory), holder),
                    QMessageBox::Open | QMessageBox::Close);
    box.button(QMessageBox::Open)->setText(tr("Open anyway"));
    box.button(QMessageBox::Close)->setText(tr("Quit"));
    box.setDefaultButton(QMessageBox::Close);
    return ask(box);
}

QString Messages::historyStep(bool undone, const QString &what)
{
    return (undone ? tr("Undone: %1") : tr("Redone: %1")).arg(what);
}

QString Messages::windowLanguageNote()
{
    return tr("The window speaks it from the next start.");
}

void Messages::guideAt(QWidget *parent, const QString &path)
{
    QMessageBox(QMessageBox::Information, KitApplication::Title,
                tr("The translator's guide is %1.\n\nNo program to show it was found here: open it "
                   "with any text editor.")
                    .arg(QDir::toNativeSeparators(path)),
                QMessageBox::Ok, parent)
        .exec();
}

} // namespace orvanta
