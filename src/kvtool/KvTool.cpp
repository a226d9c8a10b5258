#include "KvTool.h"

#include "ArchiveCommands.h"
#include "CompileCommand.h"
#include "GlyphsCommand.h"
#include "PictureCommands.h"
#include "RenderCommand.h"
#include "TextsCommands.h"
#include "ToolOutput.h"
#include "VerifyCommand.h"
#include "font/SystemGlyphRasterizer.h"
#include "io/PlatformFiles.h"
#include "kit/Translations.h"

#include <QGuiApplication>

#include <algorithm>
#include <array>
#include <memory>

namespace orvanta {

namespace {

struct Command {
    const char *name;
    const char *summary;
    int (*run)(const QStringList &args);
    bool drawsText = false; // needs a GUI application (windowless) for fonts
};

const std::array Commands{
    Command{"list",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "list ARCHIVE                 entries: name, size, offset"),
            ArchiveCommands::list},
    Command{"extract",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "extract ARCHIVE [NAME...]    write entries (all, or those named) to files"),
            ArchiveCommands::extract},
    Command{"pack",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "pack OUT FILE...             write an archive of the files"),
            ArchiveCommands::pack},
    Command{"texts",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "texts build|export|import|migrate|widths|check ... the game's text files"),
            TextsCommands::run, true},
    Command{"glyphs",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "glyphs --font F --size N ... the glyph files of a font"),
            GlyphsCommand::run, true},
    Command{"render",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "render --glyphs DIR TEXT ... a text drawn as the game draws it, to a PNG"),
            RenderCommand::run},
    Command{"compile",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "compile KITDIR [options]      a new lang.dat, as the save button makes it"),
            CompileCommand::run, true},
    Command{"picture",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "picture original|check|fit ... the nine button pictures"),
            PictureCommands::run},
    Command{"verify",
            QT_TRANSLATE_NOOP("orvanta::KvTool", "verify ARCHIVE               check an archive and the entries the kit knows"),
            VerifyCommand::run},
};

// The help in the system's language (it keeps the commands' and options'
// words); what the commands write stays English, for scripts and logs.
void speakTheSystemsLanguage()
{
    Translations::install(Translations::pick(QString(), QLocale::system()));
}

int usage(int code)
{
    speakTheSystemsLanguage();
    QString text =
        QCoreApplication::translate("orvanta::KvTool", "Usage: kvtool COMMAND [ARGS...]\n\nCommands:\n");
    for (const Command &command : Commands)
        text += QStringLiteral("  ") + QCoreApplication::translate("orvanta::KvTool", command.summary)
            + QLatin1Char('\n');
    text += QCoreApplication::translate("orvanta::KvTool",
                                        "\n'kvtool COMMAND --help' describes a command and its options.");
    ToolOutput::print(text);
    return code;
}

} // namespace

int KvTool::run(int argc, char **argv)
{
    // Exports and reports are the same bytes on every system.
    PlatformFiles::binaryStandardOutput();
    const QString name = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const auto command = std::find_if(Commands.begin(), Commands.end(),
                                      [&](const Command &c) { return name == QLatin1String(c.name); });
    // Drawing text needs a GUI application, though never a screen.
    std::unique_ptr<QCoreApplication> app;
    if (command != Commands.end() && command->drawsText) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", SystemGlyphRasterizer::windowlessPlatform());
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("kvtool"));
    const QStringList args = QCoreApplication::arguments();
    if (name.isEmpty())
        return usage(ToolOutput::Misused);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help"))
        return usage(0);
    if (command == Commands.end()) {
        ToolOutput::fail(QStringLiteral("unknown command \"%1\"").arg(name));
        return usage(ToolOutput::Misused);
    }
    // "kvtool texts --help", "kvtool texts export -h" ...
    const QStringList helpOptions{QStringLiteral("--help"), QStringLiteral("-h"), QStringLiteral("-?")};
    if (std::any_of(args.begin() + 2, args.end(), [&](const QString &arg) { return helpOptions.contains(arg); }))
        speakTheSystemsLanguage();
    return command->run(QStringList{QStringLiteral("kvtool ") + name} + args.mid(2));
}

} // namespace orvanta
