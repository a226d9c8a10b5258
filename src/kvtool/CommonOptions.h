#pragma once

#include <QCoreApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFont>
#include <QString>
#include <QStringList>

#include <optional>

namespace orvanta {

// kvtool's argument parsing: a command's arguments, with --help and wrong
// uses answered, and the options that several commands share: the code
// page, the font of a glyph capture as the font dialog would choose it, and
// the save's. Only parsing: KitFolder opens and saves the kit with them.
class CommonOptions {
    // Its help in the system's language: one context for all of kvtool's help.
    Q_DECLARE_TR_FUNCTIONS(orvanta::KvTool)

public:
    // Parses `args` (args[0] is "kvtool COMMAND"); handles --help itself.
    // Returns false after reporting a wrong use, or when fewer than
    // `minPositional` arguments were given.
    static bool parse(QCommandLineParser &parser, const QStringList &args, int minPositional);

    // The arguments of "kvtool COMMAND SUB ...", named "kvtool COMMAND SUB"
    // for the sub-command's own parser.
    static QStringList subcommandArgs(const QStringList &args);

    static QCommandLineOption codePage(const QString &fallback);

    // The code page given, or 0 after reporting one the kit does not offer.
    static int chosenCodePage(const QCommandLineParser &parser, const QCommandLineOption &option);

    // The code page option of a command that works on a kit folder, the
    // translations': without it, the code page the kit remembers
    // (KitSettings), else the locale's.
    static QCommandLineOption kitCodePage();

    // The options of the commands that save the kit.
    struct SaveOptions {
        // Save even when lang.dat holds more text records than the kit has
        // source texts.
        QCommandLineOption allowFewerTexts;
        // Save even while the kit is open in a window.
        QCommandLineOption whileOpen;
        // Replace lang.dat even when it is read-only.
        QCommandLineOption force;
        // Save though kvmain.dat's sources are not those the translations
        // were saved against: each translation stays in its row.
        QCommandLineOption asItIs;

        SaveOptions();
        void addTo(QCommandLineParser &parser) const;
    };

    struct Font {
        QCommandLineOption family;
        QCommandLineOption size;
        QCommandLineOption bold;
        QCommandLineOption italic;
        QCommandLineOption underline;
        QCommandLineOption strikeout;

        // `defaultFamily` and `defaultSize` are shown in the help; empty
        // means the option is required.
        Font(const QString &defaultFamily, const QString &defaultSize);
        void addTo(QCommandLineParser &parser) const;

        // The font the options describe, or nothing after reporting a
        // missing or wrong option (`exitCode` becomes ToolOutput::Misused)
        // or a family that is not installed (ToolOutput::Failed).
        std::optional<QFont> read(const QCommandLineParser &parser, int &exitCode) const;

        // For a command on a kit folder (options made with empty defaults):
        // `kitFont` (the one the kit remembers, else Arial 8), with the
        // family and size given replacing its own, and the style options,
        // when any is given, replacing its styles.
        std::optional<QFont> readOver(const QCommandLineParser &parser, int &exitCode, QFont kitFont) const;

    private:
        std::optional<QFont> withFamilyAndSize(const QCommandLineParser &parser, QFont font, int &exitCode) const;
    };

};

} // namespace orvanta
