#include "TextsPage.h"

#include "Controls.h"
#include "TextGrid.h"
#include "document/TextTableModel.h"
#include "packaging/KitSettings.h"

#include <QLabel>

#include <algorithm>

namespace orvanta {

TextsPage::TextsPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_model(new TextTableModel(document, this))
{
    setObjectName(QStringLiteral("TabSheet2"));
    using L = AnchorLayout;
    auto *layout = new AnchorLayout(this, growth);
    layout->add(Controls::heading("Label7", QStringLiteral("ANNOTATION")), {8, 8, 0, 0});
    layout->add(Controls::wrapped("Label5", QStringLiteral(
                    "You can translate any texts of the game that you want. Original texts is in the left side and "
                    "translated texts is in the right side of the grid.")),
                {8, 24, 473, 33}, L::TopWide);
    layout->add(Controls::heading("Label8", QStringLiteral("WARNING:")), {8, 56, 0, 0});
    layout->add(Controls::wrapped("Label6", QStringLiteral(
                    "Do not forget spaces in the beginning and ending of each line if you do not add it like in the "
                    "original texts, the texts may drawing incorrectly!")),
                {8, 72, 473, 33}, L::TopWide);
    m_textGrid = layout->add(Controls::named(new TextGrid(m_model), "StringGrid"), {8, 104, 497, 145}, L::Fill);
    layout->add(Controls::label("Label9", QStringLiteral("Original text:")), {8, 256, 0, 0}, L::BottomLeft);
    m_sourceText = layout->add(Controls::underlined("Label11", true), {88, 256, 417, 49}, L::BottomWide);
    layout->add(Controls::label("Label10", QStringLiteral("Translated text:")), {8, 304, 0, 0}, L::BottomLeft);
    m_translationText = layout->add(Controls::underlined("Label12", false), {88, 304, 417, 41}, L::BottomWide);

    setCurrentRow(settings.row().value_or(1));
    connect(m_textGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { StringGridSelectCell(current.column(), current.row() + 1); });
    connect(m_textGrid, &TextGrid::entered, this, &TextsPage::StringGridEnter);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        StringGridSetEditText(topLeft.column(), topLeft.row() + 1, topLeft.data().toString());
    });
    // A text that changes in another row than the current one was undone or
    // redone there: the grid goes to it, so the translator sees what changed.
    connect(&document, &KitDocument::textsChanged, this, [this](int firstRow, int lastRow) {
        if (firstRow == lastRow && firstRow + 1 != currentRow())
            setCurrentRow(firstRow + 1);
    });
}

int TextsPage::currentRow() const
{
    return m_textGrid->currentIndex().row() + 1;
}

void TextsPage::setCurrentRow(int gridRow)
{
    const int row = std::clamp(gridRow, 1, std::max(1, m_model->rowCount())) - 1;
    const int column = std::max(m_textGrid->currentIndex().column(), int(TextTableModel::Source));
    m_textGrid->setCurrentIndex(m_model->index(row, column));
    m_textGrid->scrollTo(m_textGrid->currentIndex(), QAbstractItemView::PositionAtCenter);
    ShowRowTexts(currentRow());
}

void TextsPage::ShowRowTexts(int row)
{
    m_sourceText->setText(m_model->text(row - 1, TextTableModel::Source));
    m_translationText->setText(m_model->text(row - 1, TextTableModel::Translation));
}

void TextsPage::StringGridSelectCell(int, int ARow)
{
    ShowRowTexts(ARow);
    m_settings.setRow(ARow);
}

void TextsPage::StringGridEnter()
{
    ShowRowTexts(currentRow());
}

void TextsPage::StringGridSetEditText(int, int, const QString &)
{
    ShowRowTexts(currentRow());
}

} // namespace orvanta
