#include "Controls.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace orvanta {

QFont Controls::font()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

QLabel *Controls::label(const char *name, const QString &text, QLabel *made)
{
    auto *label = named(made ? made : new QLabel, name);
    label->setText(text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *Controls::heading(const char *name, const QString &text)
{
    QLabel *heading = label(name, text);
    QFont bold = font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QLabel *Controls::wrapped(const char *name, const QString &text)
{
    QLabel *wrapped = label(name, text);
    wrapped->setWordWrap(true);
    return wrapped;
}

QLabel *Controls::underlined(const char *name, bool wordWrap, QLabel *made)
{
    QLabel *underlined = label(name, QString::fromLatin1(name), made);
    QFont line = font();
    line.setUnderline(true);
    underlined->setFont(line);
    underlined->setWordWrap(wordWrap);
    return underlined;
}

QPushButton *Controls::button(const char *name, const QString &text)
{
    return named(new QPushButton(text), name);
}

void Controls::openIn(QFileDialog *dialog, std::initializer_list<QString> folders)
{
    for (const QString &folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            dialog->setDirectory(folder);
            return;
        }
    }
}

} // namespace orvanta
