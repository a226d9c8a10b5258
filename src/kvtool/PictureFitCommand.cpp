#include "PictureFitCommand.h"

#include "PictureCommands.h"
#include "ToolOutput.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PaletteFit.h"
#include "pictures/PictureSlots.h"

#include <QCommandLineParser>

namespace orvanta {

namespace {

QString counted(qint64 count, const char *one, const char *many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

int PictureFitCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption nearest(QStringLiteral("nearest"),
                                     tr("Map a colour the palette lacks to the nearest palette colour."));
    parser.addOption(nearest);
    const int row = PictureCommands::parseRow(
        parser, args,
        tr(
            "Reads IN, any picture Qt reads (PNG, BMP of any depth or palette order, ...), checks its size "
            "against the standard picture of ROW and refuses transparent pixels. When every pixel's colour is "
            "one of the game palette's 255 colours, writes OUT as an 8-bit BMP with exactly the game palette, "
            "as \"Save original picture\" writes it, and prints \"fitted: N colours\". Otherwise writes nothing, "
            "prints how many pixels have other colours and where the first are (exit code 1); with --nearest "
            "each of them takes the nearest palette colour (RGB distance) and OUT is written."),
        {{QStringLiteral("in"), tr("The redrawn picture.")},
         {QStringLiteral("out"), tr("The BMP to write; replaced only once it is complete.")}});
    if (row < 0)
        return ToolOutput::Misused;

    const PictureSlots pictures;
    const QStringList files = parser.positionalArguments();
    const auto fitting = PaletteFit::fitFile(files.at(1), *pictures.StandardPicture(row),
                                             parser.isSet(nearest) ? PaletteFit::Colours::Nearest
                                                                   : PaletteFit::Colours::Exact);
    switch (fitting.outcome) {
    case PaletteFit::Outcome::Fitted:
        break;
    case PaletteFit::Outcome::ColoursMissing:
        ToolOutput::print(fitting.foreignReport()
                          + QStringLiteral("\nNothing written; --nearest gives them the nearest palette colours."));
        return ToolOutput::Failed;
    case PaletteFit::Outcome::Refused:
    case PaletteFit::Outcome::LoadFailed:
        ToolOutput::print(fitting.message);
        return ToolOutput::Failed;
    }
    if (const Status saved = IndexedBmp::save(files.at(2), fitting.picture); !saved)
        return ToolOutput::fail(saved.error());
    ToolOutput::print(QStringLiteral("fitted: %1").arg(counted(fitting.coloursUsed, "colour", "colours")));
    if (parser.isSet(nearest)) {
        ToolOutput::print(QStringLiteral("nearest: %1 changed, largest distance %2")
                              .arg(counted(fitting.foreignPixels, "pixel", "pixels"))
                              .arg(fitting.largestDistance, 0, 'f', 1));
    }
    return 0;
}

} // namespace orvanta
