#include "FontMessages.h"

#include "KitApplication.h"
#include "Messages.h"
#include "texts/CodePage.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace orvanta {

QString FontMessages::fontTooLargeText(const FormatError &refusal)
{
    QString what = QString::fromStdString(refusal.what);
    if (!what.isEmpty())
        what[0] = what[0].toUpper();
    return tr("%1. \"lang.dat\" cannot be saved with this font: choose a smaller one.").arg(what);
}

void FontMessages::fontTooLarge(QWidget *parent, const FormatError &refusal)
{
    QMessageBox::warning(parent, KitApplication::Title,
                         fontTooLargeText(refusal) + tr("\n\nUndo (Ctrl+Z) takes the choice back."));
}

QString FontMessages::glyphCellTip(int code, const CodePage &codePage, int width, bool missing)
{
    const auto byte = static_cast<unsigned char>(code);
    const QChar character = codePage.character(byte);
    QString tip = tr("Code %1 (0x%2): ").arg(code).arg(code, 2, 16, QLatin1Char('0'));
    const QString unicode = QStringLiteral("U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0')).toUpper();
    if (!codePage.defines(byte))
        tip += tr("no character in code page %1").arg(CodePage::describe(codePage.number()));
    else if (character.isPrint())
        tip += tr("\"%1\" %2").arg(character, unicode);
    else
        tip += tr("control character %1").arg(unicode);
    tip += tr("\n%1 pixels wide").arg(width);
    if (missing)
        tip += tr("\nNo glyph in this font: the save writes the stand-in shown");
    return tip;
}

bool FontMessages::askReadOtherwise(QWidget *parent, int number, int rowNumber, const QString &now, const QString &then)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Your translations hold letters that code page %1 reads otherwise: in row %2, "
                       "\"%3\" would become \"%4\".\n\nThe kit keeps the bytes you typed; the code page "
                       "only says which letters they are, in the grid, the glyphs and lang.dat. Change "
                       "the code page? (Ctrl+Z takes it back.)")
                        .arg(number)
                        .arg(rowNumber)
                        .arg(now, then),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.button(QMessageBox::Yes)->setText(tr("Change the code page"));
    box.button(QMessageBox::No)->setText(tr("Keep code page"));
    box.setDefaultButton(QMessageBox::No);
    return Messages::ask(box) == QMessageBox::Yes;
}

QString FontMessages::drawingFace(const QString &family, const std::optional<QString> &served, const QString &fallback)
{
    if (!served)
        return tr("%1 is not installed: the glyphs are drawn with %2, the system's fallback face.")
            .arg(family, fallback);
    if (served->compare(family, Qt::CaseInsensitive) != 0)
        return tr("%1 is not installed: the glyphs are drawn with %2.").arg(family, *served);
    return QString();
}

} // namespace orvanta
