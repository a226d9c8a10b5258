#pragma once

#include <QFont>

#include <optional>

class QWidget;

// Drives "Choose font" as a user would: clicks the button and, once the font
// dialog shows, picks `pick` (if given) and answers OK or Cancel. Returns the
// font the dialog opened on.
class FontChooser {
public:
    enum class Answer { Ok, Cancel };

    static QFont choose(QWidget &window, const std::optional<QFont> &pick, Answer answer);
};
