#pragma once

#include <QFont>
#include <QString>

#include <initializer_list>

class QFileDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace orvanta {

// The window's controls as its pages make them: each carries its object
// name (the name the window's layout gives it, by which tests and tools find
// it), in the window's font. Labels show plain text from their top-left
// corner.
class Controls {
public:
    // The window's text font: a sans serif 11 pixels high, the look of the
    // 8-point "MS Sans Serif" the window was laid out for. Pixel-sized, so
    // the layout is the same at any screen resolution.
    static QFont font();

    template <typename W>
    static W *named(W *widget, const char *name)
    {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    }

    // `made`, when given, is the label to set up (a QLabel of a kind of
    // its own), else a new QLabel.
    static QLabel *label(const char *name, const QString &text, QLabel *made = nullptr);
    static QLabel *heading(const char *name, const QString &text); // bold
    static QLabel *wrapped(const char *name, const QString &text); // word wrap
    // Underlined, for the texts of the current grid row.
    static QLabel *underlined(const char *name, bool wordWrap, QLabel *made = nullptr);
    static QPushButton *button(const char *name, const QString &text);

    // Sets `dialog` to open in the first of `folders` that is a folder
    // (empty names are passed over); leaves it as it is when none is.
    static void openIn(QFileDialog *dialog, std::initializer_list<QString> folders);
};

} // namespace orvanta
