#pragma once

#include "AnchorLayout.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvanta {

class KitDocument;
class KitSettings;
class PictureFileDialog;

// The page "Pictures" ("TabSheet1"): the picture selector, the boxes with
// the selected row's standard and translated picture, "Save original
// picture" and "Choose translated picture"; and, in the room the page has
// to spare, "Remove translated picture", a zoom of both boxes (up to
// MostZoom times) and what the translator needs to know about the row.
// A picture larger than its box (zoomed, or at 1x) scrolls in it.
//
// The selector marks the rows that have a translated picture with a check
// mark, its captions unchanged. The picture dialogs (with a preview) are
// made when first used; they open in the folder a picture was last taken
// from or saved to, and at first in the kit's "Sources" folder.
//
// A picture of the right size that the tests refuse for its pixel format or
// palette, or that is no BMP, is offered converted to the game palette
// before anything is refused (OpenKit::decidePicture); one with colours the
// palette lacks is offered with each changed to its nearest palette colour,
// those colours named and the result shown. Declined, the row keeps its
// picture.
class PicturesPage : public QWidget {
    Q_OBJECT

public:
    // The largest zoom of the picture boxes.
    static constexpr int MostZoom = 4;

    PicturesPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent = nullptr);

    // The selected catalogue row.
    int selectedRow() const;

public slots:
    // Shows the selected row's pictures in the two boxes.
    void PictSelComboBoxChange();
    // "Save original picture": the standard picture as a BMP file.
    void Button6Click();
    // "Choose translated picture": a redrawn BMP, tested against the
    // standard picture, becomes the row's translated picture or is refused.
    void Button5Click();
    // "Remove translated picture" of the selected row.
    void removeTranslatedPicture();

private:
    PictureFileDialog *pictureDialog(PictureFileDialog *&dialog, const char *name, bool save);
    QString chosenFile(PictureFileDialog *dialog);
    void markRow(int row);

    KitDocument &m_document;
    KitSettings &m_settings;
    QComboBox *m_pictureSelector = nullptr;
    QLabel *m_standardPicture = nullptr;
    QLabel *m_translatedPicture = nullptr;
    QComboBox *m_zoom = nullptr;
    QLabel *m_rowDetails = nullptr;
    QPushButton *m_removeButton = nullptr;
    PictureFileDialog *m_saveDialog = nullptr;
    PictureFileDialog *m_openDialog = nullptr;
};

} // namespace orvanta
