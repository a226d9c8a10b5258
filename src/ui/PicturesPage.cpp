#include "PicturesPage.h"

#include "Controls.h"
#include "Messages.h"
#include "PictureFileDialog.h"
#include "PictureMessages.h"
#include "document/KitDocument.h"
#include "kit/KitSettings.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>

namespace orvanta {

namespace {

// A picture box, placed at `rect` as a scroll area (`name` + "Area")
// without a frame: the picture is drawn from its top-left corner, and one
// zoomed past the box scrolls, so that every pixel can be seen.
QLabel *addPictureBox(AnchorLayout *layout, const char *name, const QRect &rect, AnchorLayout::Edges edges)
{
    auto *box = Controls::named(new QLabel, name);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *area = new QScrollArea;
    area->setObjectName(QString::fromLatin1(name) + QStringLiteral("Area"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(box);
    layout->add(area, rect, edges);
    return box;
}

// The selector's mark of a row that has a translated picture, a green
// tick, or of one that has none, a blank of the same size, so that the
// captions stand in one column.
QIcon rowMark(bool done)
{
    QPixmap mark(16, 16);
    mark.fill(Qt::transparent);
    if (done) {
        QPainter painter(&mark);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0x1E, 0x8C, 0x2E), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick({3, 8.5});
        tick.lineTo(6.5, 12);
        tick.lineTo(13, 4);
        painter.drawPath(tick);
    }
    return QIcon(mark);
}

// A picture's questions, in message boxes.
class WindowPictureQuestions : public PictureQuestions {
public:
    explicit WindowPictureQuestions(QWidget *parent) : m_parent(parent) {}
    void refused(const QString &refusal, const QString &detail, bool clearsAccepted) override
    {
        QStringList below{detail};
        if (clearsAccepted)
            below.append(PictureMessages::refusalClearedPicture());
        below.removeAll(QString());
        Messages::attention(m_parent, refusal, below.join(QStringLiteral("\n\n")));
    }
    void loadFailed(const QString &message) override { Messages::showError(m_parent, message); }
    bool useConverted() override { return PictureMessages::askUseConverted(m_parent); }
    bool useNearest(const PaletteFit::Fitting &fitting) override
    {
        return PictureMessages::askUseNearest(m_parent, fitting);
    }

private:
    QWidget *m_parent;
};

} // namespace

PicturesPage::PicturesPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TabSheet1"));
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label2", tr("ANNOTATION:")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label1", tr(
                    "Some texts can't fit in buttons boundaries and it was added to the game like pictures. You can "
                    "translate this texts by correcting this pictures. Source images you can find in \"Sources\" "
                    "subdirectory of this Localization Kit.")),
                {8, 24, 497, 41}, L::TopWide);
    layout->add(Controls::heading("Label3", tr("WARNING:")), {8, 64, 0, 0});
    // Wraps within the page: this face runs wider than the one the page was
    // laid out for, and the line would be cut at the page's edge.
    layout->add(Controls::wrapped("Label4", tr("Do not modify color table or color definition because "
                                               "the game uses it's own palette and drawing methods!")),
                {8, 80, 497, 27}, L::TopWide);
    // The two boxes share the room the page gains; the selector and what
    // stands below it keep to the right.
    layout->add(Controls::label("Label18", tr("Standard picture:")), {8, 112, 0, 0});
    m_standardPicture = addPictureBox(layout, "StandardImage", {8, 128, 249, 73}, {0, 0, 1, 0.5});
    layout->add(Controls::label("Label20", tr("Translated picture:")), {8, 208, 0, 0}, {0, 0.5, 0, 0.5});
    m_translatedPicture = addPictureBox(layout, "TranslatedImage", {8, 224, 249, 73}, {0, 0.5, 1, 1});
    layout->add(Controls::label("Label21", tr("Picture selection:")), {264, 112, 0, 0}, L::TopRight);
    m_pictureSelector = layout->add(Controls::named(new QComboBox, "PictSelComboBox"), {264, 128, 241, 21}, L::TopRight);
    m_zoom = layout->add(Controls::named(new QComboBox, "ZoomComboBox"), {264, 160, 89, 21}, L::TopRight);
    for (int factor = 1; factor <= MostZoom; ++factor)
        m_zoom->addItem(tr("Zoom %1x").arg(factor), factor);
    m_rowDetails = layout->add(Controls::wrapped("PictureDetails", QString()), {264, 184, 241, 41}, L::TopRight);
    layout->add(Controls::wrapped("PictureFormatsLabel", tr(
                    "Redrawn pictures may be BMP or PNG files. When every colour of a picture is in the game "
                    "palette, the kit offers to convert it to the palette.")),
                {264, 232, 241, 53}, L::TopRight);
    auto *saveOriginal = layout->add(Controls::button("Button6", tr("Save original picture")),
                                     {8, 312, 153, 25}, L::BottomLeft);
    auto *chooseTranslated = layout->add(Controls::button("Button5", tr("Choose translated picture")),
                                         {168, 312, 161, 25}, L::BottomLeft);
    m_removeButton = layout->add(Controls::button("RemovePictureButton", tr("Remove translated picture")),
                                 {336, 312, 169, 25}, L::BottomLeft);

    for (const PictureCatalogueRow &row : PictureCatalogue::rows())
        m_pictureSelector->addItem(QCoreApplication::translate("orvanta::PictureCatalogue", row.caption));
    for (int row = 0; row < m_pictureSelector->count(); ++row)
        markRow(row);
    connect(m_pictureSelector, &QComboBox::currentIndexChanged, this, &PicturesPage::PictSelComboBoxChange);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &PicturesPage::PictSelComboBoxChange);
    connect(saveOriginal, &QPushButton::clicked, this, &PicturesPage::Button6Click);
    connect(chooseTranslated, &QPushButton::clicked, this, &PicturesPage::Button5Click);
    connect(m_removeButton, &QPushButton::clicked, this, &PicturesPage::removeTranslatedPicture);
    // Accepted, removed, undone or redone: the selector goes to the row.
    connect(&document, &KitDocument::translatedPictureChanged, this, [this](int row) {
        markRow(row);
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

void PicturesPage::markRow(int row)
{
    const bool done = m_document.pictures().isPresent(row);
    m_pictureSelector->setItemIcon(row, rowMark(done));
    m_pictureSelector->setItemData(row, done ? QVariant(PictureMessages::translatedPictureTip()) : QVariant(),
                                   Qt::ToolTipRole);
}

void PicturesPage::PictSelComboBoxChange()
{
    const int row = selectedRow();
    const PictureSlots &pictures = m_document.pictures();
    const int zoom = m_zoom->currentData().toInt();
    auto shown = [zoom](const QImage &picture) {
        return QPixmap::fromImage(picture.scaled(picture.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    };
    const QImage &standard = *pictures.StandardPicture(row);
    m_standardPicture->setPixmap(shown(standard));
    m_translatedPicture->setPixmap(pictures.isPresent(row) ? shown(*pictures.TranslatedPicture(row)) : QPixmap());
    m_removeButton->setEnabled(pictures.isPresent(row));

    int done = 0;
    for (int r = 0; r < PictureCatalogue::RowCount; ++r)
        done += pictures.isPresent(r);
    m_rowDetails->setText(PictureMessages::pictureDetails(standard.size(), done, PictureCatalogue::RowCount));
}

void PicturesPage::Button6Click()
{
    const QImage &standard = *m_document.pictures().StandardPicture(selectedRow());
    PictureFileDialog *dialog = pictureDialog(m_saveDialog, "SavePictureDialog1", true);
    dialog->setOwnPicture(standard);
    dialog->selectFile(PictureCatalogue::bmpName(*PictureCatalogue::row(selectedRow())));
    const QString path = chosenFile(dialog);
    if (!path.isEmpty() && !IndexedBmp::save(path, standard))
        Messages::cannotCreateFile(this, path);
}

void PicturesPage::Button5Click()
{
    const int row = selectedRow();
    const QString path = chosenFile(pictureDialog(m_openDialog, "OpenPictureDialog1", false));
    if (!path.isEmpty()) {
        WindowPictureQuestions questions(this);
        // One step, whatever was asked on the way; a refusal's is named for the refused file.
        if (const auto picture = m_document.kit().decidePicture(row, path, questions); picture && picture->isNull())
            m_document.refusePicture(row, QFileInfo(path).fileName());
        else if (picture)
            m_document.setTranslatedPicture(row, *picture);
    }
    PictSelComboBoxChange();
}

void PicturesPage::removeTranslatedPicture()
{
    m_document.setTranslatedPicture(selectedRow(), QImage());
}

PictureFileDialog *PicturesPage::pictureDialog(PictureFileDialog *&dialog, const char *name, bool save)
{
    if (!dialog) {
        const QString all = tr("All (*.*)");
        const QString bitmaps = tr("Bitmaps (*.bmp)");
        dialog = save ? new PictureFileDialog(PictureFileDialog::Save, {bitmaps, all}, this)
                      : new PictureFileDialog(PictureFileDialog::Open,
                                              {tr("Pictures (*.bmp *.png)"), bitmaps, all}, this);
        dialog->setObjectName(QString::fromLatin1(name));
    }
    // The folder last used; at first the pictures the kit brings.
    Controls::openIn(dialog, {m_settings.pictureFolder(), m_document.directory() + QStringLiteral("Sources"),
                              m_document.directory()});
    return dialog;
}

QString PicturesPage::chosenFile(PictureFileDialog *dialog)
{
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QString path = dialog->selectedFiles().value(0);
    m_settings.setPictureFolder(QFileInfo(path).absolutePath());
    return path;
}

} // namespace orvanta
