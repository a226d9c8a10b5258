#pragma once

#include "AnchorLayout.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QCheckBox;
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
// to spare, "Remove translated picture", a 2x zoom of both boxes and what
// the translator needs to know about the row.
//
// The selector marks the rows that have a translated picture with a check
// mark, its captions unchanged. The picture dialogs (with a preview) are
// made when first used; they open in the folder a picture was last taken
// from or saved to, and at first in the kit's "Sources" folder.
//
// A picture refused for its pixel format or palette whose colours are all
// in the game palette is offered again, converted to the palette; a PNG
// (or any picture Qt reads that is not a BMP) is taken only that way.
class PicturesPage : public QWidget {
    Q_OBJECT

public:
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
    QCheckBox *m_zoom = nullptr;
    QLabel *m_rowDetails = nullptr;
    QPushButton *m_removeButton = nullptr;
    PictureFileDialog *m_saveDialog = nullptr;
    PictureFileDialog *m_openDialog = nullptr;
};

} // namespace orvanta
