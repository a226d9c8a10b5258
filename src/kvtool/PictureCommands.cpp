#include "PictureCommands.h"

#include "PictureFitCommand.h"
#include "CommonOptions.h"
#include "ToolOutput.h"
#include "kit/OpenKit.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureSlots.h"

#include <QCommandLineParser>

namespace orvanta {

namespace {

QString rowList()
{
    QString text;
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        const PictureCatalogueRow &r = *PictureCatalogue::row(row);
        text += QStringLiteral("\n  %1  %2 %3 x %4  %5")
                    .arg(row + 1)
                    .arg(QString::fromLatin1(r.fileName), -13)
                    .arg(r.width, 3)
                    .arg(r.height, -3)
                    .arg(QCoreApplication::translate("orvanta::PictureCatalogue", r.caption));
    }
    return text;
}

} // namespace

int PictureCommands::parseRow(QCommandLineParser &parser, const QStringList &args, const QString &description,
                              const QList<QPair<QString, QString>> &files)
{
    parser.setApplicationDescription(description + tr("\n\nRows:") + rowList());
    parser.addPositionalArgument(QStringLiteral("row"), tr("The catalogue row, 1 to 9."));
    for (const auto &[name, meaning] : files)
        parser.addPositionalArgument(name, meaning);
    if (!CommonOptions::parse(parser, args, 1 + int(files.size())))
        return -1;
    bool number = false;
    const int row = parser.positionalArguments().at(0).toInt(&number) - 1;
    if (!number || !PictureCatalogue::row(row)) {
        ToolOutput::fail(QStringLiteral("ROW must be a number from 1 to 9, not \"%1\"").arg(parser.positionalArguments().at(0)));
        return -1;
    }
    return row;
}

int PictureCommands::run(const QStringList &args)
{
    const QString sub = args.value(1);
    const QStringList rest = CommonOptions::subcommandArgs(args);
    if (sub == QLatin1String("original"))
        return original(rest);
    if (sub == QLatin1String("check"))
        return check(rest);
    if (sub == QLatin1String("fit"))
        return PictureFitCommand::run(rest);
    ToolOutput::print(tr("Usage: kvtool picture original ROW OUT.bmp\n"
                         "       kvtool picture check ROW FILE.bmp\n"
                         "       kvtool picture fit ROW IN OUT.bmp [--nearest]\n\n"
                         "  original  writes a row's standard picture as an 8-bit BMP\n"
                         "  check     loads a redrawn BMP and tests it against the row's standard\n"
                         "            picture; prints \"accepted\" or the reason it is refused\n"
                         "  fit       puts any picture (PNG, BMP of any depth...) onto the game palette\n\n"
                         "Rows:")
                      + rowList());
    return sub == QLatin1String("--help") ? 0 : ToolOutput::Misused;
}

int PictureCommands::original(const QStringList &args)
{
    QCommandLineParser parser;
    const int row = parseRow(parser, args, tr(
        "Writes the standard picture of ROW as the kit's \"Save original picture\" does: 8 bits per pixel, "
        "uncompressed, with the game's 255-colour palette. OUT is replaced only once it is complete."));
    if (row < 0)
        return ToolOutput::Misused;
    const PictureSlots pictures;
    const Status saved = IndexedBmp::save(parser.positionalArguments().at(1), *pictures.StandardPicture(row));
    return saved ? 0 : ToolOutput::fail(saved.error());
}

int PictureCommands::check(const QStringList &args)
{
    QCommandLineParser parser;
    const int row = parseRow(parser, args, tr(
        "Loads FILE and tests it against the standard picture of ROW as the kit's \"Choose translated "
        "picture\" does: size, then pixel format, then palette. Prints \"accepted\" (exit code 0) or the "
        "kit's message: the refusal or why the file could not be loaded (exit code 1)."));
    if (row < 0)
        return ToolOutput::Misused;
    // As the kit judges a picture, before it offers any conversion.
    const auto verdict = OpenKit(QString()).checkPicture(row, parser.positionalArguments().at(1));
    if (verdict.outcome == TranslatedPictureCheck::Outcome::Accepted) {
        ToolOutput::print(QStringLiteral("accepted"));
        return 0;
    }
    ToolOutput::print(verdict.message);
    return ToolOutput::Failed;
}

} // namespace orvanta
