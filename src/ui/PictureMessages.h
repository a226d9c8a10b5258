#pragma once

#include "pictures/PaletteFit.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>

class QWidget;

namespace orvanta {

// What the Pictures page and its file dialog tell the translator: the
// offers to convert a redrawn picture (its refusals are Messages::attention), the selected
// picture's details, and the chosen file's caption. In the window's
// language; boxes are modal.
class PictureMessages {
    Q_DECLARE_TR_FUNCTIONS(PictureMessages)

public:
    // A picture would do converted to the game palette: whether to take it
    // so (Yes) or not.
    static bool askUseConverted(QWidget *parent);
    // Some colours of a picture are not in the game palette (`fitting`
    // names them and holds the picture with each changed to its nearest
    // palette colour, shown enlarged): whether to take it so (Yes) or not.
    static bool askUseNearest(QWidget *parent, const PaletteFit::Fitting &fitting);
    // What a refusal adds when it cleared the translated picture chosen
    // before.
    static QString refusalClearedPicture();
    // The selected picture's size and how many of `pictures` are
    // translated; the tooltip of a translated one.
    static QString pictureDetails(QSize size, int translated, int pictures);
    static QString translatedPictureTip();
    // The picture file dialog's caption of the chosen file: its size, and
    // its colours when it has a palette (`colours` above 0); noPreview() when
    // it cannot be read.
    static QString pictureFileCaption(QSize size, int colours);
    static QString noPreview();
};

} // namespace orvanta
