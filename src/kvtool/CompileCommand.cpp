#include "CompileCommand.h"

#include "KitFolder.h"
#include "CommonOptions.h"
#include "ToolOutput.h"
#include "pictures/PictureCatalogue.h"

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
        const int row = value.left(equals).toInt(&number) - 1;
        if (equals < 0 || !number || !PictureCatalogue::row(row)) {
            ToolOutput::fail(QStringLiteral("--picture wants ROW=FILE.bmp with ROW from 1 to 9, not \"%1\"").arg(value));
            return std::nullopt;
        }
        choices.append({row, value.mid(equals + 1)});
    }
    return choices;
}

// A picture's questions, answered as a translator would who wants the
// picture: a refusal or load error is printed, a picture that is right
// converted to the game palette is taken so, with a warning, and one with
// colours the palette lacks is refused, naming them (picture fit
// --nearest makes one of it).
class ToolPictureQuestions : public PictureQuestions {
public:
    explicit ToolPictureQuestions(const QString &file) : m_file(file) {}

    void refused(const QString &refusal, const QString &detail, bool) override
    {
        ToolOutput::print(refusal);
        if (!detail.isEmpty())
            ToolOutput::report(detail);
        m_failed = true;
    }
    void loadFailed(const QString &message) override
    {
        ToolOutput::print(message);
        m_failed = true;
    }
    bool useConverted() override
    {
        ToolOutput::warn(m_file + QStringLiteral(": every colour is in the game palette; taken converted to it"));
        return true;
    }
    bool useNearest(const PaletteFit::Fitting &fitting) override
    {
        refused(QString::fromLatin1(TranslatedPictureCheck::ColorsMismatch), fitting.foreignReport(), false);
        return false;
    }
    bool failed() const { return m_failed; }

private:
    QString m_file;
    bool m_failed = false;
};

// Takes each picture into its row as the picture button does; false after
// printing the kit's message for the first one it refuses.
bool takePictures(const QList<PictureChoice> &choices, OpenKit &kit)
{
    for (const PictureChoice &choice : choices) {
        ToolPictureQuestions questions(choice.file);
        const auto picture = kit.decidePicture(choice.row, choice.file, questions);
        if (questions.failed() || !picture)
            return false;
        *kit.pictures().TranslatedPicture(choice.row) = *picture;
    }
    return true;
}

} // namespace

int CompileCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Does what opening the kit in KITDIR, choosing the font and pictures and pressing \"Save data to "
        "lang.dat\" does: loads the texts and the pictures of lang.dat, resets the fixed texts, captures the "
        "font, tests the pictures, and replaces KITDIR/lang.dat only once the new one is complete, keeping the "
        "old one as KITDIR/lang.dat.bak. A refused picture prints the kit's message before anything is written; "
        "one the button would offer to convert to the game palette (every colour in it) is taken converted. "
        "A save that would write fewer text records than lang.dat holds is refused unless "
        "--allow-fewer-texts is given; one that replaces glyphs of another font or code page in lang.dat "
        "warns and goes on. Refuses while the kit is open in a window, unless --while-open. Waits a few seconds "
        "for another save of the same kit to end."));
    parser.addPositionalArgument(QStringLiteral("kitdir"), tr("The kit folder."));
    // Without options, the font and code page the kit remembers.
    const CommonOptions::Font fontOptions{QString(), QString()};
    fontOptions.addTo(parser);
    const QCommandLineOption codePage = CommonOptions::kitCodePage();
    const QCommandLineOption picture(QStringLiteral("picture"),
                                     tr("A translated picture for a row (repeatable)."),
                                     QStringLiteral("row=file.bmp"));
    const CommonOptions::SaveOptions saving;
    parser.addOptions({codePage, picture});
    saving.addTo(parser);
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    const auto choices = pictureChoices(parser.values(picture));
    if (!choices)
        return ToolOutput::Misused;
    KitFolder folder;
    if (const int failed = folder.open(parser, codePage, &fontOptions, &saving))
        return failed;

    if (!takePictures(*choices, folder.kit))
        return ToolOutput::Failed;
    return folder.save(parser, saving);
}

} // namespace orvanta
