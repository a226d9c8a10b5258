#pragma once

#include "kit/KitSuggestions.h"

#include <QTreeWidget>

namespace orvanta {

// The suggestions for the current row ("SuggestionsList"), one each: how
// alike its original is in percent (and "fuzzy" for one its memory marks
// so), its translation, wrapped, whole in its tooltip too, and where it
// comes from, with the original in that tooltip. A double click or Enter takes
// one; the page's keys Alt+1 to Alt+9 take the first nine.
class SuggestionsList : public QTreeWidget {
    Q_OBJECT

public:
    explicit SuggestionsList(QWidget *parent = nullptr);

    void showSuggestions(const QList<KitSuggestions::Suggestion> &suggestions);

signals:
    // The translator took suggestion `index` (from 0) of those shown.
    void taken(int index);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace orvanta
