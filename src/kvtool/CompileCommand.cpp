#include "CompileCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "pictures/PictureCatalogue.h"
#include "pictures/PictureSlots.h"
#include "pictures/TranslatedPictureCheck.h"
#include "texts/CodePage.h"
#include "texts/TextTable.h"

#include <optional>

namespace orvanta {

namespace {

struct PictureChoice {
    int row;
    QString file;
};

// Reads each "ROW=FILE.bmp"; nothing after reporting a wrong one.
std::optional<QList<PictureChoice>> pictureChoices(const QStringList &values)
{
    QList<PictureChoice> choices;
    for (const QString &value : values) {
        const qsizetype equals = value.indexOf(QLatin1Char('='));
        bool number = false;
        const int row = value.left(equals).toInt(&number);
        if (equals < 0 || !number || !PictureCatalogue::row(row)) {
            ToolOutput::fail(QStringLiteral("--picture wants ROW=FILE.bmp with ROW from 0 to 8, not \"%1\"").arg(value));
            return std::nullopt;
        }
        choices.append({row, value.mid(equals + 1)});
    }
    return choices;
}

// Takes each picture into its row as the picture button does; false after
// printing the kit's message for the first one it refuses.
bool takePictures(const QList<PictureChoice> &choices, PictureSlots &pictures)
{
    for (const PictureChoice &choice : choices) {
        const auto verdict = TranslatedPictureCheck::checkFile(choice.file, *pictures.StandardPicture(choice.row));
        if (verdict.outcome != TranslatedPictureCheck::Outcome::Accepted) {
            ToolOutput::print(verdict.message);
            return false;
        }
        *pictures.TranslatedPicture(choice.row) = verdict.picture;
    }
    return true;
}

} // namespace

int CompileCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Does what opening the kit in KITDIR, choosing the font and pictures and pressing \"Save data to "
        "lang.dat\" does: loads the texts and the pictures of lang.dat, resets the fixed texts, captures the "
        "font, tests the pictures, and replaces KITDIR/lang.dat only once the new one is complete. A refused "
        "picture prints the kit's message before anything is written."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), QStringLiteral("The kit folder."));
    // Without options, the font and code page the kit remembers.
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const QCommandLineOption picture(QStringLiteral("picture"),
                                     QStringLiteral("A translated picture for a row (repeatable)."),
                                     QStringLiteral("row=file.bmp"));
    parser.addOptions({codePage, picture});
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    const auto choices = pictureChoices(parser.values(picture));
    if (!choices)
        return ToolOutput::Misused;
    CommonOptions::Kit kit;
    if (const int failed = CommonOptions::openKit(parser, codePage, &fontOptions, kit))
        return failed;

    if (!takePictures(*choices, kit.pictures))
        return ToolOutput::Failed;
    const CodePage page(kit.codePage);
    return CommonOptions::saveKit(kit.dir, {kit.texts, kit.glyphFont, page, kit.pictures});
}

} // namespace orvanta
