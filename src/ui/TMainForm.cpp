#include "TMainForm.h"

#include "ArchiveProblemsText.h"
#include "KitApplication.h"
#include "SaveFailureText.h"
#include "TextCellDelegate.h"
#include "WindowFont.h"
#include "texts/TextTableModel.h"
#include "font/FontChoice.h"
#include "packaging/KitLoader.h"
#include "packaging/KitSave.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/TranslatedPictureCheck.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>

namespace orvanta {

const QString TMainForm::Caption =
    QStringLiteral("Orvanta Localization Kit V1.2 (For Orvanta V1.25) - Kolvane Sofware");

namespace {

template <typename W>
W *place(W *widget, const char *name, int x, int y, int w = -1, int h = -1)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (w < 0)
        widget->move(x, y);
    else
        widget->setGeometry(x, y, w, h);
    return widget;
}

// A label as the window shows it; without a size it takes the size of its text.
QLabel *label(QWidget *parent, const char *name, const QString &text, int x, int y, int w = -1, int h = -1)
{
    auto *l = place(new QLabel(text, parent), name, x, y, w, h);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (w < 0)
        l->adjustSize();
    return l;
}

QLabel *heading(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *l = label(parent, name, text, x, y);
    l->setFont(WindowFont::bold());
    l->adjustSize();
    return l;
}

QLabel *wrapped(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h)
{
    auto *l = label(parent, name, text, x, y, w, h);
    l->setWordWrap(true);
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int w, int h)
{
    return place(new QPushButton(text, parent), name, x, y, w, h);
}

QLabel *hiddenImage(QWidget *parent, const char *name, int x, int y, int w, int h)
{
    auto *l = place(new QLabel(parent), name, x, y, w, h);
    l->hide();
    return l;
}

QLabel *pictureBox(QWidget *parent, const char *name, int x, int y)
{
    // Pictures are drawn unscaled from the top-left corner and clipped.
    auto *l = place(new QLabel(parent), name, x, y, 249, 73);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setScaledContents(false);
    return l;
}

const QString BitmapFilter = QStringLiteral("Bitmaps (*.bmp);;All (*.*)");

} // namespace

TMainForm::TMainForm(const QString &applicationDirectory, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_applicationDirectory(applicationDirectory)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(Caption);
    setFont(WindowFont::regular());
    setFixedSize(537, 423);
    move(213, 159);

    PageControl1 = place(new QTabWidget(this), "PageControl1", 8, 8, 521, 377);
    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    PageControl1->addTab(TabSheet1, QStringLiteral("Pictures"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Texts"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Font"));

    Button1 = button(this, "Button1", QStringLiteral("Save data to \"lang.dat\""), 8, 392, 137, 25);
    Button4 = button(this, "Button4", QStringLiteral("?"), 504, 392, 27, 25);
    Memo1 = place(new QPlainTextEdit(QStringLiteral("Memo1"), this), "Memo1", 440, 384, 57, 33);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->hide();

    buildPicturesPage();
    buildTextsPage();
    buildFontPage();
    buildDialogs();

    PageControl1->setCurrentWidget(TabSheet3);
    connect(Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TMainForm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TMainForm::Button4Click);
    connect(PictSelComboBox, &QComboBox::currentIndexChanged, this, &TMainForm::PictSelComboBoxChange);
    connect(Button6, &QPushButton::clicked, this, &TMainForm::Button6Click);
    connect(Button5, &QPushButton::clicked, this, &TMainForm::Button5Click);

    FormCreate();

    auto workChanged = [this] { m_unsavedWork = true; };
    connect(m_texts, &QAbstractItemModel::dataChanged, this, workChanged);
    connect(this, &TMainForm::translatedPicturesChanged, this, workChanged);
}

TMainForm::~TMainForm() = default;

void TMainForm::buildPicturesPage()
{
    QWidget *page = TabSheet1;
    Label2 = heading(page, "Label2", QStringLiteral("ANNOTATION:"), 8, 8);
    Label1 = wrapped(page, "Label1",
                     QStringLiteral("Some texts can't fit in buttons boundaries and it was added to the game like "
                                    "pictures. You can translate this texts by correcting this pictures. Source "
                                    "images you can find in \"Sources\" subdirectory of this Localization Kit."),
                     8, 24, 497, 41);
    Label3 = heading(page, "Label3", QStringLiteral("WARNING:"), 8, 64);
    // Wraps within the page: this face runs wider than the one the page was
    // laid out for, and the line would be cut at the page's edge.
    Label4 = wrapped(page, "Label4",
                     QStringLiteral("Do not modify color table or color definition because the game uses it's own "
                                    "palette and drawing methods!"),
                     8, 80, 497, 27);
    Label18 = label(page, "Label18", QStringLiteral("Standard picture:"), 8, 112);
    StandardImage = pictureBox(page, "StandardImage", 8, 128);
    Label20 = label(page, "Label20", QStringLiteral("Translated picture:"), 8, 208);
    TranslatedImage = pictureBox(page, "TranslatedImage", 8, 224);
    Label21 = label(page, "Label21", QStringLiteral("Picture selection:"), 264, 112);
    PictSelComboBox = place(new QComboBox(page), "PictSelComboBox", 264, 128, 241, 21);
    PictSelComboBox->setEditable(false);
    for (const PictureCatalogueRow &row : PictureCatalogue::rows())
        PictSelComboBox->addItem(QString::fromLatin1(row.caption));
    Button6 = button(page, "Button6", QStringLiteral("Save original picture"), 8, 312, 153, 25);
    Button5 = button(page, "Button5", QStringLiteral("Choose translated picture"), 168, 312, 161, 25);
}

void TMainForm::buildTextsPage()
{
    QWidget *page = TabSheet2;
    Label7 = heading(page, "Label7", QStringLiteral("ANNOTATION"), 8, 8);
    Label5 = wrapped(page, "Label5",
                     QStringLiteral("You can translate any texts of the game that you want. Original texts is in "
                                    "the left side and translated texts is in the right side of the grid."),
                     8, 24, 473, 33);
    Label8 = heading(page, "Label8", QStringLiteral("WARNING:"), 8, 56);
    Label6 = wrapped(page, "Label6",
                     QStringLiteral("Do not forget spaces in the beginning and ending of each line if you do not "
                                    "add it like in the original texts, the texts may drawing incorrectly!"),
                     8, 72, 473, 33);
    StringGrid = place(new QTableView(page), "StringGrid", 8, 104, 497, 145);
    m_texts = new TextTableModel(this);
    StringGrid->setModel(m_texts);
    StringGrid->setItemDelegate(new TextCellDelegate(StringGrid));
    StringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid->verticalHeader()->hide(); // the Number column stands in for it
    StringGrid->verticalHeader()->setDefaultSectionSize(18);
    StringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid->setColumnWidth(TextTableModel::Number, 41);
    StringGrid->setColumnWidth(TextTableModel::Source, 197);
    StringGrid->setColumnWidth(TextTableModel::Translation, 234);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::DoubleClicked);
    StringGrid->installEventFilter(this);
    connect(StringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { StringGridSelectCell(current.column(), current.row() + 1); });
    connect(m_texts, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        StringGridSetEditText(topLeft.column(), topLeft.row() + 1, topLeft.data().toString());
    });
    Label9 = label(page, "Label9", QStringLiteral("Original text:"), 8, 256);
    Label11 = wrapped(page, "Label11", QStringLiteral("Label11"), 88, 256, 417, 49);
    Label10 = label(page, "Label10", QStringLiteral("Translated text:"), 8, 304);
    Label12 = label(page, "Label12", QStringLiteral("Label12"), 88, 304, 417, 41);
    for (QLabel *l : {Label11, Label12}) {
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        l->setTextFormat(Qt::PlainText);
    }
}

void TMainForm::buildFontPage()
{
    QWidget *page = TabSheet3;
    Label13 = heading(page, "Label13", QStringLiteral("ANNOTATION:"), 8, 8);
    Label14 = wrapped(page, "Label14",
                      QStringLiteral("For drawing texts the game needs to get font (in your language) like "
                                     "collection of pictures. If you have not the standard font that we use in the "
                                     "game \"Arial 8pt\" you can use some other font."),
                      8, 24, 491, 33);
    Label15 = heading(page, "Label15", QStringLiteral("WARNING:"), 8, 56);
    Label16 = wrapped(page, "Label16",
                      QStringLiteral("If you want to get correct drawing of all the texts you must choose font that "
                                     "looks like the original and have the same size in pixels."),
                      8, 72, 497, 33);
    Label17 = wrapped(page, "Label17",
                      QStringLiteral("If you have OS like Windows XP or any other that can draw texts with smooth "
                                     "effect. You must off this option before getting the font. You can do it in the "
                                     "screen properties. If you do not do this, the texts in the game may drawing "
                                     "incorrectly."),
                      8, 104, 481, 41);
    Label19 = label(page, "Label19", QStringLiteral("Font:"), 8, 176);
    FontNameLabel = label(page, "FontNameLabel", QString(), 40, 176, 449, 13);
    Button3 = button(page, "Button3", QStringLiteral("Choose font"), 8, 192, 81, 25);
    RenderImage = hiddenImage(page, "RenderImage", 464, 176, 33, 25);

    CodePageLabel = label(page, "CodePageLabel", QStringLiteral("Code page:"), 8, 236);
    CodePageComboBox = place(new QComboBox(page), "CodePageComboBox", 72, 232, 177, 21);
    for (int number : CodePage::supported())
        CodePageComboBox->addItem(CodePage::describe(number), number);
    CodePageComboBox->setCurrentIndex(CodePageComboBox->findData(m_texts->codePage().number()));
    connect(CodePageComboBox, &QComboBox::currentIndexChanged, this, &TMainForm::CodePageComboBoxChange);
}

void TMainForm::buildDialogs()
{
    FontDialog = new QFontDialog(this);
    FontDialog->setObjectName(QStringLiteral("FontDialog"));
    FontDialog->setOption(QFontDialog::DontUseNativeDialog);

    SavePictureDialog1 = new QFileDialog(this);
    SavePictureDialog1->setObjectName(QStringLiteral("SavePictureDialog1"));
    SavePictureDialog1->setAcceptMode(QFileDialog::AcceptSave);
    SavePictureDialog1->setDefaultSuffix(QStringLiteral("bmp"));
    SavePictureDialog1->setNameFilter(BitmapFilter);
    SavePictureDialog1->setOption(QFileDialog::DontUseNativeDialog);

    OpenPictureDialog1 = new QFileDialog(this);
    OpenPictureDialog1->setObjectName(QStringLiteral("OpenPictureDialog1"));
    OpenPictureDialog1->setAcceptMode(QFileDialog::AcceptOpen);
    OpenPictureDialog1->setFileMode(QFileDialog::ExistingFile);
    OpenPictureDialog1->setNameFilter(BitmapFilter);
    OpenPictureDialog1->setOption(QFileDialog::DontUseNativeDialog);
}

void TMainForm::FormCreate()
{
    m_glyphFont = FontChoice::defaultFont();
    FontNameLabel->setText(FontChoice::DescribeGlyphFont(m_glyphFont));

    m_archiveProblems = KitLoader::load(m_applicationDirectory, m_texts->table(), m_pictures);
    m_texts->reload();
    StringGrid->setCurrentIndex(m_texts->index(0, TextTableModel::Source));
    ShowRowTexts(currentGridRow());
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TMainForm::FormShow()
{
    PictSelComboBoxChange();
    if (!m_archiveProblems.empty())
        QMessageBox::warning(this, QCoreApplication::applicationName(), ArchiveProblemsText::describe(m_archiveProblems));
}

int TMainForm::currentGridRow() const
{
    return StringGrid->currentIndex().row() + 1;
}

void TMainForm::ShowRowTexts(int row)
{
    Label11->setText(m_texts->text(row - 1, TextTableModel::Source));
    Label12->setText(m_texts->text(row - 1, TextTableModel::Translation));
}

void TMainForm::StringGridSelectCell(int, int ARow)
{
    ShowRowTexts(ARow);
}

void TMainForm::StringGridEnter()
{
    ShowRowTexts(currentGridRow());
}

void TMainForm::StringGridSetEditText(int, int, const QString &)
{
    ShowRowTexts(currentGridRow());
}

void TMainForm::CodePageComboBoxChange()
{
    m_texts->setCodePage(CodePageComboBox->currentData().toInt());
    ShowRowTexts(currentGridRow());
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == StringGrid && event->type() == QEvent::FocusIn)
        StringGridEnter();
    return QWidget::eventFilter(watched, event);
}

void TMainForm::Button1Click()
{
    const auto saved =
        KitSave::save(m_applicationDirectory, {m_texts->table(), m_glyphFont, m_texts->codePage(), m_pictures});
    m_texts->refresh(); // the fixed records show their source text again
    if (!saved) {
        KitApplication::showError(this, SaveFailureText::describe(saved.error()));
        return;
    }
    Memo1->setPlainText(saved->join(QLatin1Char('\n')));
    m_unsavedWork = false;
    QMessageBox completed(QMessageBox::NoIcon, QStringLiteral("Completed"), KitSave::SuccessText, QMessageBox::Ok,
                          this);
    completed.exec();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    if (m_unsavedWork && QMessageBox::question(this, QCoreApplication::applicationName(),
                                               SaveFailureText::unsavedWorkQuestion(),
                                               QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
                             != QMessageBox::Discard) {
        event->ignore();
        return;
    }
    event->accept();
}

// The dialog edits a font of its own while the user browses, so the
// GlyphFont is kept apart and taken over only when the choice is confirmed.
void TMainForm::Button3Click()
{
    FontDialog->setCurrentFont(FontChoice::fontForDialog(m_glyphFont));
    if (FontDialog->exec() != QDialog::Accepted)
        return;
    const QFont chosen = FontChoice::chosenFont(m_glyphFont, FontDialog->selectedFont());
    // OK without a change is no change, though the dialog's font differs in
    // details (a style name) that the capture does not use.
    if (FontChoice::DescribeGlyphFont(chosen) != FontChoice::DescribeGlyphFont(m_glyphFont))
        m_unsavedWork = true;
    m_glyphFont = chosen;
    FontNameLabel->setText(FontChoice::DescribeGlyphFont(m_glyphFont));
}

void TMainForm::Button4Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_applicationDirectory + QStringLiteral("readme.txt")));
}

void TMainForm::PictSelComboBoxChange()
{
    const int row = PictSelComboBox->currentIndex();
    StandardImage->setPixmap(QPixmap::fromImage(*StandardPicture(row)));
    TranslatedImage->setPixmap(m_pictures.isPresent(row) ? QPixmap::fromImage(*TranslatedPicture(row)) : QPixmap());
}

void TMainForm::Button6Click()
{
    SavePictureDialog1->selectFile(PictureCatalogue::bmpName(*PictureCatalogue::row(PictSelComboBox->currentIndex())));
    if (SavePictureDialog1->exec() != QDialog::Accepted)
        return;
    const QString path = SavePictureDialog1->selectedFiles().value(0);
    if (!IndexedBmp::save(path, *StandardPicture(PictSelComboBox->currentIndex())))
        KitApplication::showError(this, QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(path)));
}

void TMainForm::Button5Click()
{
    using Outcome = TranslatedPictureCheck::Outcome;
    const int row = PictSelComboBox->currentIndex();
    if (OpenPictureDialog1->exec() == QDialog::Accepted) {
        const auto verdict =
            TranslatedPictureCheck::checkFile(OpenPictureDialog1->selectedFiles().value(0), *StandardPicture(row));
        if (verdict.outcome == Outcome::LoadFailed) {
            // The slot keeps what it had, and the boxes stay as they are.
            KitApplication::showError(this, verdict.message);
            return;
        }
        if (verdict.outcome == Outcome::Refused)
            QMessageBox(QMessageBox::NoIcon, QStringLiteral("Attantion"), verdict.message, QMessageBox::Ok, this).exec();
        const bool changed = verdict.outcome == Outcome::Accepted || m_pictures.isPresent(row);
        *TranslatedPicture(row) = verdict.picture; // a refusal leaves the slot empty
        if (changed)
            emit translatedPicturesChanged();
    }
    PictSelComboBoxChange();
}

} // namespace orvanta
