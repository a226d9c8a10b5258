#include "FontPage.h"

#include "Controls.h"
#include "FontMessages.h"
#include "GlyphSheetView.h"
#include "document/KitDocument.h"
#include "font/FontChoice.h"
#include "kit/KitSettings.h"
#include "kit/Translations.h"

#include <QComboBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvanta {

FontPage::FontPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("TabSheet3"));
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label13", tr("ANNOTATION:")), {8, 8, 0, 0});
    // Beside the heading, where the row is free.
    layout->add(Controls::label("WindowLanguageLabel", tr("Window language:")), {272, 7, 0, 0}, L::TopRight);
    m_languageSelector =
        layout->add(Controls::named(new QComboBox, "WindowLanguageComboBox"), {368, 3, 137, 20}, L::TopRight);
    layout->add(Controls::wrapped("Label14", tr(
                    "For drawing texts the game needs to get font (in your language) like collection of pictures. If "
                    "you have not the standard font that we use in the game \"Arial 8pt\" you can use some other "
                    "font.")),
                {8, 24, 491, 33}, L::TopWide);
    layout->add(Controls::heading("Label15", tr("WARNING:")), {8, 56, 0, 0});
    layout->add(Controls::wrapped("Label16", tr(
                    "If you want to get correct drawing of all the texts you must choose font that looks like the "
                    "original and have the same size in pixels.")),
                {8, 72, 497, 33}, L::TopWide);
    layout->add(Controls::wrapped("Label17", tr(
                    "If you have OS like Windows XP or any other that can draw texts with smooth effect. You must off "
                    "this option before getting the font. You can do it in the screen properties. If you do not do "
                    "this, the texts in the game may drawing incorrectly.")),
                {8, 104, 481, 41}, L::TopWide);
    auto *start = layout->add(Controls::label("WorkStartLabel", tr("Choose the font and code page of your language "
                                                                   "here; the translation is done on the "
                                                                   "<a href=\"texts\">Texts</a> page.")),
                              {8, 152, 497, 17}, L::TopWide);
    layout->add(Controls::label("Label19", tr("Font:")), {8, 176, 0, 0});
    m_fontDescription = layout->add(Controls::label("FontNameLabel", QString()), {40, 176, 449, 13}, L::TopWide);
    auto *chooseFont = layout->add(Controls::button("Button3", tr("Choose font")), {8, 192, 81, 25});
    layout->add(Controls::named(new QLabel, "RenderImage"), {464, 176, 33, 25}, L::TopRight)->hide();
    layout->add(Controls::label("CodePageLabel", tr("Code page:")), {8, 236, 0, 0});
    m_codePageSelector = layout->add(Controls::named(new QComboBox, "CodePageComboBox"), {72, 232, 177, 21});
    // Beside "Choose font", below the description it explains.
    m_fontLimit = layout->add(Controls::wrapped("FontLimitLabel", QString()), {96, 192, 409, 39}, L::TopWide);
    QPalette warning = m_fontLimit->palette();
    warning.setColor(QPalette::WindowText, QColor(160, 0, 0));
    m_fontLimit->setPalette(warning);
    m_drawingFace = layout->add(Controls::wrapped("DrawingFaceLabel", QString()), {96, 192, 409, 39}, L::TopWide);
    layout->add(Controls::label("GlyphZoomLabel", tr("Glyph sheet:")), {264, 236, 0, 0});
    m_zoomSelector = layout->add(Controls::named(new QComboBox, "GlyphZoomComboBox"), {328, 232, 81, 21});
    // The sources' code page is the game's, which the kit names: shown, not chosen.
    const int sourceCodePage = document.codePages().source().number();
    auto *sources = layout->add(Controls::label("SourceCodePageLabel", tr("Originals: %1").arg(sourceCodePage)),
                                {416, 236, 89, 13}, L::TopWide);
    sources->setToolTip(tr("The original texts are in code page %1, the game's; \"Code page:\" chooses the "
                           "translations'.")
                            .arg(CodePage::describe(sourceCodePage)));
    m_sheet = layout->add(Controls::named(new GlyphSheetView, "GlyphSheetView"), {8, 260, 497, 85}, L::Fill);

    for (int number : CodePage::supported())
        m_codePageSelector->addItem(CodePage::describe(number), number);
    for (int zoom = 1; zoom <= GlyphSheetView::MaxZoom; ++zoom)
        m_zoomSelector->addItem(QStringLiteral("%1x").arg(zoom), zoom);
    m_zoomSelector->addItem(tr("Fit width"), int(GlyphSheetView::FitWidth));
    m_zoomSelector->setCurrentIndex(m_zoomSelector->findData(settings.glyphSheetZoom().value_or(GlyphSheetView::FitWidth)));
    fillLanguages();
    m_sheet->setZoom(m_zoomSelector->currentData().toInt());
    showGlyphFont();
    showCodePage();
    m_fontLimit->hide();
    start->setTextFormat(Qt::RichText);
    start->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(start, &QLabel::linkActivated, this, &FontPage::textsPageAsked);
    connect(chooseFont, &QPushButton::clicked, this, &FontPage::Button3Click);
    connect(m_codePageSelector, &QComboBox::currentIndexChanged, this, &FontPage::CodePageComboBoxChange);
    connect(m_zoomSelector, &QComboBox::currentIndexChanged, this, &FontPage::GlyphZoomComboBoxChange);
    connect(m_languageSelector, &QComboBox::currentIndexChanged, this, &FontPage::WindowLanguageComboBoxChange);
    connect(&document, &KitDocument::glyphFontChanged, this, &FontPage::showGlyphFont);
    connect(&document, &KitDocument::codePageChanged, this, &FontPage::showCodePage);
}

// The system's language first, then each the kit speaks, in its own name.
void FontPage::fillLanguages()
{
    m_languageSelector->addItem(tr("As the system"), QString());
    m_languageSelector->addItem(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString &language : Translations::Languages) {
        QString name = QLocale(language).nativeLanguageName();
        name[0] = name[0].toUpper();
        m_languageSelector->addItem(name, language);
    }
    m_languageSelector->setCurrentIndex(std::max(0, m_languageSelector->findData(m_settings.windowLanguage())));
    m_languageSelector->setToolTip(tr("The language of the window's texts, from the next start"));
}

void FontPage::WindowLanguageComboBoxChange()
{
    m_settings.setWindowLanguage(m_languageSelector->currentData().toString());
    emit windowLanguageChosen();
}

void FontPage::showGlyphFont()
{
    const QFont &font = m_document.glyphFont();
    m_fontDescription->setText(FontChoice::DescribeGlyphFont(font));
    m_drawingFace->setText(FontMessages::drawingFace(font.family(), FontChoice::servingFamily(font),
                                                 QFontInfo(FontChoice::captureFont(font)).family()));
    m_drawingFace->setVisible(!m_drawingFace->text().isEmpty() && m_fontLimit->text().isEmpty());
}

void FontPage::showCodePage()
{
    const QSignalBlocker quiet(m_codePageSelector);
    m_codePageSelector->setCurrentIndex(m_codePageSelector->findData(m_document.codePage().number()));
}

// The capture is the one the save and the Texts page use: a font asked for
// before costs no capture.
void FontPage::showGlyphs()
{
    if (!m_showingGlyphs) {
        m_showingGlyphs = true;
        connect(&m_document, &KitDocument::glyphFontChanged, this, &FontPage::showGlyphs);
        connect(&m_document, &KitDocument::codePageChanged, this, &FontPage::showGlyphs);
    }
    const auto glyphs = m_document.savedGlyphs();
    m_sheet->setGlyphs(glyphs ? *glyphs : nullptr, m_document.codePage());
    // The tooltip holds the whole text where a long font name needs more
    // lines than the label has at the window's default size.
    m_fontLimit->setText(glyphs ? QString() : FontMessages::fontTooLargeText(glyphs.error()));
    m_fontLimit->setToolTip(m_fontLimit->text());
    m_fontLimit->setVisible(!glyphs);
    m_drawingFace->setVisible(!m_drawingFace->text().isEmpty() && m_fontLimit->text().isEmpty());
}

// The dialog edits a font of its own while the user browses, so the
// GlyphFont is kept apart and taken over only when the choice is confirmed.
void FontPage::Button3Click()
{
    if (!m_fontDialog) {
        m_fontDialog = Controls::named(new QFontDialog(this), "FontDialog");
        m_fontDialog->setOption(QFontDialog::DontUseNativeDialog);
    }
    m_fontDialog->setCurrentFont(FontChoice::fontForDialog(m_document.glyphFont()));
    if (m_fontDialog->exec() != QDialog::Accepted)
        return;
    m_document.setGlyphFont(FontChoice::chosenFont(m_document.glyphFont(), m_fontDialog->selectedFont()));
    if (const auto glyphs = m_document.savedGlyphs(); !glyphs)
        FontMessages::fontTooLarge(this, glyphs.error());
}

void FontPage::CodePageComboBoxChange()
{
    const int number = m_codePageSelector->currentData().toInt();
    // Translations typed in another script would read as other letters: ask first.
    if (const auto row = m_document.rowReadOtherwise(number)) {
        const QByteArray text = m_document.text(*row, TextTable::Translation);
        if (!FontMessages::askReadOtherwise(this, number, *row + 1, m_document.codePage().decode(text),
                                        CodePage(number).decode(text))) {
            showCodePage();
            return;
        }
    }
    m_document.setCodePage(number);
}

void FontPage::GlyphZoomComboBoxChange()
{
    const int zoom = m_zoomSelector->currentData().toInt();
    m_sheet->setZoom(zoom);
    m_settings.setGlyphSheetZoom(zoom);
}

} // namespace orvanta
