#include "ExchangeMessages.h"

#include "KitApplication.h"
#include "Messages.h"
#include "texts/CodePage.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>

namespace orvanta {

QString ExchangeMessages::importDescription(const QString &file)
{
    return tr("Import texts from %1").arg(QFileInfo(file).fileName());
}

QString ExchangeMessages::olderKitDescription(const QString &folder)
{
    return tr("Take translations from the older kit %1").arg(QDir::toNativeSeparators(folder));
}

QString ExchangeMessages::carryOverDescription()
{
    return tr("Carry translations over to the new source texts");
}

bool ExchangeMessages::askCarryOver(QWidget *parent, const QString &shift)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    shift
                        + tr(".\n\nCarry every translation, note and mark over to the row where its "
                             "source text stands now (one step you can undo), or open the kit as it "
                             "is, each translation in its row?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Carry over"));
    box.button(QMessageBox::No)->setText(tr("Open as it is"));
    box.setDefaultButton(QMessageBox::Yes);
    return Messages::ask(box) == QMessageBox::Yes;
}

void ExchangeMessages::importReport(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox(QMessageBox::Information, description,
                report.join(QLatin1Char('\n'))
                    + tr("\n\nNothing is saved yet: save to put the texts into \"lang.dat\", or undo "
                         "the import with Ctrl+Z."),
                QMessageBox::Ok, parent)
        .exec();
}

QMessageBox::StandardButton ExchangeMessages::askFileCodePage(QWidget *parent, const QString &file, int fileCodePage,
                                                      int kitCodePage)
{
    QMessageBox box(QMessageBox::Question, importDescription(file),
                    tr("%1 was written for code page %2 (%3); the kit uses %4 (%5).\n\nImport it in "
                       "code page %2, and use that code page from now on? Ctrl+Z takes back both.")
                        .arg(QFileInfo(file).fileName())
                        .arg(fileCodePage)
                        .arg(CodePage::describe(fileCodePage))
                        .arg(kitCodePage)
                        .arg(CodePage::describe(kitCodePage)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Yes)->setText(tr("Use code page %1").arg(fileCodePage));
    box.button(QMessageBox::No)->setText(tr("Keep code page %1").arg(kitCodePage));
    box.setDefaultButton(QMessageBox::Yes);
    return Messages::ask(box);
}

bool ExchangeMessages::askImportTheRest(QWidget *parent, const QString &description, const QStringList &report)
{
    QMessageBox box(QMessageBox::Warning, description,
                    report.join(QLatin1Char('\n'))
                        + tr("\n\nThe refused translations cannot be imported: mend them in the "
                             "file, or import the others now and leave those rows as they are."),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Import the others"));
    box.button(QMessageBox::No)->setText(tr("Import nothing"));
    box.setDefaultButton(QMessageBox::No);
    return Messages::ask(box) == QMessageBox::Yes;
}

} // namespace orvanta
