#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QStringList>

class QCommandLineParser;

namespace orvanta {

// kvtool picture SUBCOMMAND: the nine standard pictures and the check of a
// redrawn one, exactly as the Pictures page does them; PictureFitCommand
// puts a redrawn picture back onto the game palette.
class PictureCommands {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    static int run(const QStringList &args);

    // Parses "ROW FILE..." after the usual options, one positional argument
    // per (name, description) of `files`; -1 after reporting a wrong use.
    static int parseRow(QCommandLineParser &parser, const QStringList &args, const QString &description,
                        const QList<QPair<QString, QString>> &files = {{QStringLiteral("file"),
                                                                        tr("The BMP file.")}});

private:
    static int original(const QStringList &args);
    static int check(const QStringList &args);
};

} // namespace orvanta
