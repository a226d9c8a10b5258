#include "SaveMessages.h"

#include "KitApplication.h"
#include "Messages.h"
#include "kit/KitSave.h"

#include <QAbstractButton>

namespace orvanta {

void SaveMessages::completed(QWidget *parent, const QStringList &notices)
{
    QMessageBox box(QMessageBox::NoIcon, tr("Completed"), Messages::translated("KitSave", KitSave::SuccessText),
                    QMessageBox::Ok, parent);
    box.setInformativeText(notices.join(QLatin1Char('\n')));
    box.exec();
}

void SaveMessages::saveFailed(QWidget *parent, const FormatError &error)
{
    // A save that failed after its journal stood has put "lang.dat" in place.
    if (error.kind == FormatError::Kind::Unfinished) {
        Messages::showError(parent, tr("\"lang.dat\" was saved, but the save is not finished:\n\n%1\n\nThe new "
                                         "\"lang.dat\" is in place; the rest of the save is put in place when the "
                                         "kit is next saved or opened.")
                              .arg(QString::fromStdString(error.text())));
        return;
    }
    Messages::showError(parent, tr("\"lang.dat\" was not saved:\n\n%1\n\nThe previous \"lang.dat\" is unchanged.")
                          .arg(QString::fromStdString(error.text())));
}

bool SaveMessages::askReplaceGlyphs(QWidget *parent, const QString &glyphs)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("lang.dat holds glyphs of another font or code page. Replace them with %1?\n\n"
                       "If the game's texts should keep their letters, choose their font and code "
                       "page on the Font page first.")
                        .arg(glyphs),
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return Messages::ask(box) == QMessageBox::Yes;
}

bool SaveMessages::askSaveFewerTexts(QWidget *parent, const QString &fewerTexts)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, fewerTexts + tr("\n\nSave anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return Messages::ask(box) == QMessageBox::Save;
}

bool SaveMessages::askReplaceReadOnly(QWidget *parent, const QString &readOnly)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title, readOnly + tr("\n\nReplace it anyway?"),
                    QMessageBox::Save | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return Messages::ask(box) == QMessageBox::Save;
}

QMessageBox::StandardButton SaveMessages::askChangedOnDisk(QWidget *parent)
{
    QMessageBox box(QMessageBox::Warning, KitApplication::Title,
                    tr("\"lang.dat\" has changed on disk since the kit read or last saved it: another "
                       "save (kvtool, another window) wrote it meanwhile.\n\n"
                       "Reload the kit's texts and pictures from it (your unsaved edits are lost), "
                       "overwrite it with your work (what the other save wrote is lost, but stays in "
                       "\"lang.dat.bak\" until the next save), or cancel?"),
                    QMessageBox::Reset | QMessageBox::Save | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Reset)->setText(tr("Reload"));
    box.button(QMessageBox::Save)->setText(tr("Overwrite"));
    box.setDefaultButton(QMessageBox::Cancel);
    return Messages::ask(box);
}

QMessageBox::StandardButton SaveMessages::askSaveBeforeClosing(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Some of your work is not saved in \"lang.dat\" yet.\n\n"
                       "Save it before the kit closes?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    return Messages::ask(box);
}

} // namespace orvanta
