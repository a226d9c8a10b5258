#include "PictureCatalogue.h"

#include "PictureSlots.h"

namespace orvanta {

const std::array<PictureCatalogueRow, PictureCatalogue::RowCount> &PictureCatalogue::rows()
{
    using S = PictureSlots;
    // The last row's slots lie outside the run of the other eight.
    static const std::array<PictureCatalogueRow, RowCount> table{{
        {"\"Stock\" Pressed (Storage menu)", "stk.pad", &S::Image3, &S::Image11, 41, 18},
        {"\"Stock\" Selected (Storage menu)", "stks.pad", &S::Image4, &S::Image12, 41, 18},
        {"\"Sites\" Pressed (Map menu)", "msites.pad", &S::Image5, &S::Image13, 75, 21},
        {"\"Budget\" (Map menu)", "mbudget.pad", &S::Image6, &S::Image14, 75, 22},
        {"\"Pursue\" (Map menu)", "mpursue.pad", &S::Image7, &S::Image15, 75, 22},
        {"\"Settings\" (Map menu)", "msetup.pad", &S::Image8, &S::Image16, 84, 22},
        {"\"Archive\" (Map menu)", "marchive.pad", &S::Image9, &S::Image17, 75, 22},
        {"All buttons (Map menu)", "mapmenu.pad", &S::Image10, &S::Image18, 240, 84},
        {"\"Stock\" (Storage menu)", "stkv.pad", &S::Image1, &S::Image2, 240, 320},
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
