#pragma once

#include "AnchorLayout.h"

#include <QWidget>

class QLabel;

namespace orvanta {

class KitDocument;
class KitSettings;
class TextGrid;
class TextTableModel;

// The page "Texts" ("TabSheet2"): the text grid with every source text
// beside its translation, edited in place, and below it the two texts of the
// current row in full. The current row is remembered in the settings and
// taken up again when the page is made.
class TextsPage : public QWidget {
    Q_OBJECT

public:
    TextsPage(KitDocument &document, KitSettings &settings, AnchorLayout::Growth growth, QWidget *parent = nullptr);

    TextTableModel *model() const { return m_model; }
    TextGrid *grid() const { return m_textGrid; }

    // The grid's current row, from 1; 0 when the grid is empty.
    int currentRow() const;
    // Makes `gridRow` current (the first or last row when it lies outside).
    void setCurrentRow(int gridRow);

public slots:
    // `Label11` and `Label12` show the two texts of grid row `row`.
    void ShowRowTexts(int row);
    void StringGridSelectCell(int ACol, int ARow);
    void StringGridEnter();
    void StringGridSetEditText(int ACol, int ARow, const QString &Value);

private:
    KitSettings &m_settings;
    TextTableModel *m_model = nullptr;
    TextGrid *m_textGrid = nullptr;
    QLabel *m_sourceText = nullptr;
    QLabel *m_translationText = nullptr;
};

} // namespace orvanta
