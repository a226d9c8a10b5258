#pragma once

#include "AnchorLayout.h"

#include <QWidget>

class QComboBox;
class QFileDialog;
class QLabel;

namespace orvanta {

class KitDocument;
class KitSettings;

// The page "Pictures" ("TabSheet1"): the picture selector, the boxes with
// the selected row's standard and translated picture, "Save original
// picture" and "Choose translated picture". The picture dialogs are made
// when first used and open in the folder a picture was last taken from.
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

private:
    QFileDialog *pictureDialog(QFileDialog *&dialog, const char *name, bool save);
    QString chosenFile(QFileDialog *dialog);

    KitDocument &m_document;
    KitSettings &m_settings;
    QComboBox *m_pictureSelector = nullptr;
    QLabel *m_standardPicture = nullptr;
    QLabel *m_translatedPicture = nullptr;
    QFileDialog *m_saveDialog = nullptr;
    QFileDialog *m_openDialog = nullptr;
};

} // namespace orvanta
