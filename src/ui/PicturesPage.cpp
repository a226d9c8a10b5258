#include "PicturesPage.h"

#include "Controls.h"
#include "Messages.h"
#include "document/KitDocument.h"
#include "packaging/KitSettings.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace orvanta {

namespace {

// A picture is drawn unscaled from the box's top-left corner and clipped.
QLabel *pictureBox(const char *name)
{
    auto *box = Controls::named(new QLabel, name);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return box;
}

} // namespace

PicturesPage::PicturesPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TabSheet1"));
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label2", QStringLiteral("ANNOTATION:")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label1", QStringLiteral(
                    "Some texts can't fit in buttons boundaries and it was added to the game like pictures. You can "
                    "translate this texts by correcting this pictures. Source images you can find in \"Sources\" "
                    "subdirectory of this Localization Kit.")),
                {8, 24, 497, 41}, L::TopWide);
    layout->add(Controls::heading("Label3", QStringLiteral("WARNING:")), {8, 64, 0, 0});
    // Wraps within the page: this face runs wider than the one the page was
    // laid out for, and the line would be cut at the page's edge.
    layout->add(Controls::wrapped("Label4", QStringLiteral("Do not modify color table or color definition because "
                                                           "the game uses it's own palette and drawing methods!")),
                {8, 80, 497, 27}, L::TopWide);
    // The two boxes share the room the page gains; the selector keeps to the right.
    layout->add(Controls::label("Label18", QStringLiteral("Standard picture:")), {8, 112, 0, 0});
    m_standardPicture = layout->add(pictureBox("StandardImage"), {8, 128, 249, 73}, {0, 0, 1, 0.5});
    layout->add(Controls::label("Label20", QStringLiteral("Translated picture:")), {8, 208, 0, 0}, {0, 0.5, 0, 0.5});
    m_translatedPicture = layout->add(pictureBox("TranslatedImage"), {8, 224, 249, 73}, {0, 0.5, 1, 1});
    layout->add(Controls::label("Label21", QStringLiteral("Picture selection:")), {264, 112, 0, 0}, L::TopRight);
    m_pictureSelector = layout->add(Controls::named(new QComboBox, "PictSelComboBox"), {264, 128, 241, 21}, L::TopRight);
    auto *saveOriginal = layout->add(Controls::button("Button6", QStringLiteral("Save original picture")),
                                     {8, 312, 153, 25}, L::BottomLeft);
    auto *chooseTranslated = layout->add(Controls::button("Button5", QStringLiteral("Choose translated picture")),
                                         {168, 312, 161, 25}, L::BottomLeft);

    for (const PictureCatalogueRow &row : PictureCatalogue::rows())
        m_pictureSelector->addItem(QString::fromLatin1(row.caption));
    connect(m_pictureSelector, &QComboBox::currentIndexChanged, this, &PicturesPage::PictSelComboBoxChange);
    connect(saveOriginal, &QPushButton::clicked, this, &PicturesPage::Button6Click);
    connect(chooseTranslated, &QPushButton::clicked, this, &PicturesPage::Button5Click);
    // Accepted, cleared, undone or redone: the selector goes to the row.
    connect(&document, &KitDocument::translatedPictureChanged, this, [this](int row) {
        if (row == selectedRow())
            PictSelComboBoxChange();
        else
            m_pictureSelector->setCurrentIndex(row);
    });
}

int PicturesPage::selectedRow() const
{
    return m_pictureSelector->currentIndex();
}

void PicturesPage::PictSelComboBoxChange()
{
    const int row = selectedRow();
    const PictureSlots &pictures = m_document.pictures();
    m_standardPicture->setPixmap(QPixmap::fromImage(*pictures.StandardPicture(row)));
    m_translatedPicture->setPixmap(pictures.isPresent(row) ? QPixmap::fromImage(*pictures.TranslatedPicture(row))
                                                           : QPixmap());
}

void PicturesPage::Button6Click()
{
    QFileDialog *dialog = pictureDialog(m_saveDialog, "SavePictureDialog1", true);
    dialog->selectFile(PictureCatalogue::bmpName(*PictureCatalogue::row(selectedRow())));
    const QString path = chosenFile(dialog);
    if (!path.isEmpty() && !IndexedBmp::save(path, *m_document.pictures().StandardPicture(selectedRow())))
        Messages::cannotCreateFile(this, path);
}

void PicturesPage::Button5Click()
{
    using Outcome = TranslatedPictureCheck::Outcome;
    const int row = selectedRow();
    const QString path = chosenFile(pictureDialog(m_openDialog, "OpenPictureDialog1", false));
    if (!path.isEmpty()) {
        const auto verdict = TranslatedPictureCheck::checkFile(path, *m_document.pictures().StandardPicture(row));
        if (verdict.outcome == Outcome::LoadFailed) {
            // The slot keeps what it had, and the boxes stay as they are.
            Messages::showError(this, verdict.message);
            return;
        }
        if (verdict.outcome == Outcome::Refused)
            Messages::attention(this, verdict.message);
        m_document.setTranslatedPicture(row, verdict.picture); // a refusal leaves the slot empty
    }
    PictSelComboBoxChange();
}

QFileDialog *PicturesPage::pictureDialog(QFileDialog *&dialog, const char *name, bool save)
{
    if (!dialog) {
        dialog = Controls::named(new QFileDialog(this), name);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setNameFilter(QStringLiteral("Bitmaps (*.bmp);;All (*.*)"));
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save)
            dialog->setDefaultSuffix(QStringLiteral("bmp"));
    }
    if (const QString folder = m_settings.pictureFolder(); !folder.isEmpty() && QFileInfo(folder).isDir())
        dialog->setDirectory(folder);
    return dialog;
}

QString PicturesPage::chosenFile(QFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QString path = dialog->selectedFiles().value(0);
    m_settings.setPictureFolder(QFileInfo(path).absolutePath());
    return path;
}

} // namespace orvanta
