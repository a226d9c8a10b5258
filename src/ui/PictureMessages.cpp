#include "PictureMessages.h"

#include "KitApplication.h"
#include "Messages.h"

#include <QMessageBox>
#include <QPixmap>

#include <algorithm>

namespace orvanta {

bool PictureMessages::askUseConverted(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    QCoreApplication::translate("orvanta::PaletteFit", PaletteFit::UseConvertedQuestion),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return Messages::ask(box) == QMessageBox::Yes;
}

bool PictureMessages::askUseNearest(QWidget *parent, const PaletteFit::Fitting &fitting)
{
    QMessageBox box(QMessageBox::Question, KitApplication::Title,
                    tr("Some colours of this picture are not in the game palette. Use it with each of "
                       "them changed to the nearest colour of the palette, as shown?"),
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setInformativeText(fitting.foreignReport()
                           + tr("\nThe largest change is a distance of %1 in red, green and blue.")
                                 .arg(fitting.largestDistance, 0, 'f', 1));
    // Enlarged by a whole factor, each pixel a sharp square, to about 320 pixels.
    const QImage &picture = fitting.picture;
    const int factor = std::clamp(320 / std::max(1, std::max(picture.width(), picture.height())), 1, 4);
    box.setIconPixmap(QPixmap::fromImage(picture.scaled(picture.size() * factor)));
    box.setDefaultButton(QMessageBox::No);
    return Messages::ask(box) == QMessageBox::Yes;
}

QString PictureMessages::refusalClearedPicture()
{
    return tr("The translated picture chosen before is removed; Ctrl+Z brings it back.");
}

QString PictureMessages::pictureDetails(QSize size, int translated, int pictures)
{
    return tr("Size: %1 × %2 pixels\n%3 of %4 pictures translated")
        .arg(size.width())
        .arg(size.height())
        .arg(translated)
        .arg(pictures);
}

QString PictureMessages::translatedPictureTip()
{
    return tr("Has a translated picture");
}

QString PictureMessages::pictureFileCaption(QSize size, int colours)
{
    QString caption = tr("%1 × %2 pixels").arg(size.width()).arg(size.height());
    if (colours > 0)
        caption += tr(", %1 colours").arg(colours);
    return caption;
}

QString PictureMessages::noPreview()
{
    return tr("No preview");
}

} // namespace orvanta
