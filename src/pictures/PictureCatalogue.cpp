#include "PictureCatalogue.h"

#include <QtGlobal>

namespace orvanta {

const std::array<PictureCatalogueRow, PictureCatalogue::RowCount> &PictureCatalogue::rows()
{
    static const std::array<PictureCatalogueRow, RowCount> table{{
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Stock\" Pressed (Storage menu)"), "stk.pad", 41, 18},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Stock\" Selected (Storage menu)"), "stks.pad", 41, 18},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Sites\" Pressed (Map menu)"), "msites.pad", 75, 21},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Budget\" (Map menu)"), "mbudget.pad", 75, 22},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Pursue\" (Map menu)"), "mpursue.pad", 75, 22},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Settings\" (Map menu)"), "msetup.pad", 84, 22},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Archive\" (Map menu)"), "marchive.pad", 75, 22},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "All buttons (Map menu)"), "mapmenu.pad", 240, 84},
        {QT_TRANSLATE_NOOP("orvanta::PictureCatalogue", "\"Stock\" (Storage menu)"), "stkv.pad", 240, 320},
    }};
    return table;
}

const PictureCatalogueRow *PictureCatalogue::row(int row)
{
    if (row < 0 || row >= RowCount)
        return nullptr;
    return &rows()[static_cast<std::size_t>(row)];
}

QString PictureCatalogue::bmpName(const PictureCatalogueRow &row)
{
    const QString name = QString::fromLatin1(row.fileName);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.left(dot)) + QStringLiteral(".bmp");
}

} // namespace orvanta
