#include "FontPage.h"

#include "Controls.h"
#include "document/KitDocument.h"
#include "font/FontChoice.h"

#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace orvanta {

FontPage::FontPage(KitDocument &document, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("TabSheet3"));
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label13", QStringLiteral("ANNOTATION:")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label14", QStringLiteral(
                    "For drawing texts the game needs to get font (in your language) like collection of pictures. If "
                    "you have not the standard font that we use in the game \"Arial 8pt\" you can use some other "
                    "font.")),
                {8, 24, 491, 33}, L::TopWide);
    layout->add(Controls::heading("Label15", QStringLiteral("WARNING:")), {8, 56, 0, 0});
    layout->add(Controls::wrapped("Label16", QStringLiteral(
                    "If you want to get correct drawing of all the texts you must choose font that looks like the "
                    "original and have the same size in pixels.")),
                {8, 72, 497, 33}, L::TopWide);
    layout->add(Controls::wrapped("Label17", QStringLiteral(
                    "If you have OS like Windows XP or any other that can draw texts with smooth effect. You must off "
                    "this option before getting the font. You can do it in the screen properties. If you do not do "
                    "this, the texts in the game may drawing incorrectly.")),
                {8, 104, 481, 41}, L::TopWide);
    layout->add(Controls::label("Label19", QStringLiteral("Font:")), {8, 176, 0, 0});
    m_fontDescription = layout->add(Controls::label("FontNameLabel", QString()), {40, 176, 449, 13}, L::TopWide);
    auto *chooseFont = layout->add(Controls::button("Button3", QStringLiteral("Choose font")), {8, 192, 81, 25});
    layout->add(Controls::named(new QLabel, "RenderImage"), {464, 176, 33, 25}, L::TopRight)->hide();
    layout->add(Controls::label("CodePageLabel", QStringLiteral("Code page:")), {8, 236, 0, 0});
    m_codePageSelector = layout->add(Controls::named(new QComboBox, "CodePageComboBox"), {72, 232, 177, 21});

    for (int number : CodePage::supported())
        m_codePageSelector->addItem(CodePage::describe(number), number);
    showGlyphFont();
    showCodePage();
    connect(chooseFont, &QPushButton::clicked, this, &FontPage::Button3Click);
    connect(m_codePageSelector, &QComboBox::currentIndexChanged, this, &FontPage::CodePageComboBoxChange);
    connect(&document, &KitDocument::glyphFontChanged, this, &FontPage::showGlyphFont);
    connect(&document, &KitDocument::codePageChanged, this, &FontPage::showCodePage);
}

void FontPage::showGlyphFont()
{
    m_fontDescription->setText(FontChoice::DescribeGlyphFont(m_document.glyphFont()));
}

void FontPage::showCodePage()
{
    const QSignalBlocker quiet(m_codePageSelector);
    m_codePageSelector->setCurrentIndex(m_codePageSelector->findData(m_document.codePage().number()));
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
    if (m_fontDialog->exec() == QDialog::Accepted)
        m_document.setGlyphFont(FontChoice::chosenFont(m_document.glyphFont(), m_fontDialog->selectedFont()));
}

void FontPage::CodePageComboBoxChange()
{
    m_document.setCodePage(m_codePageSelector->currentData().toInt());
}

} // namespace orvanta
