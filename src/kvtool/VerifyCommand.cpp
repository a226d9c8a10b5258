#include "VerifyCommand.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "core/FileKind.h"
#include "kit/ArchiveVerifier.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <fstream>

namespace orvanta {

int VerifyCommand::run(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Checks a language archive before it is shipped: the directory against the file (entries past the end, "
        "overlapping data, names used twice, names that are empty, not upper-case or not NUL-terminated), "
        "then TEXTS.DAT and KVTEXTS.DAT (2-byte header 200, whole 200-byte records), FONT.SPR (count 256, "
        "offset table, every glyph record), FONTSIZE.DAT (256 widths that fit the glyph records) and each "
        ".PAD picture (the catalogue's size for its name, the game's palette). Prints one line per finding, "
        "or \"no problems found\"; the exit code is 0 only when there are none."));
    parser.addPositionalArgument(QStringLiteral("archive"), tr("The archive, e.g. lang.dat."));
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    const QString path = parser.positionalArguments().at(0);
    const QFileInfo info(path);
    if (const auto why = FileKind::notAFile(info.filesystemFilePath()))
        return ToolOutput::fail(QStringLiteral("%1: %2").arg(path, QString::fromStdString(*why)));
    std::ifstream in(info.filesystemFilePath(), std::ios::binary);
    if (!in)
        return ToolOutput::fail(QStringLiteral("%1: cannot be opened for reading").arg(path));

    const auto findings = ArchiveVerifier::verify(in, std::uint64_t(info.size()), path.toStdString());
    for (const FormatError &finding : findings)
        ToolOutput::print(QString::fromStdString(finding.text()));
    if (!findings.empty())
        return ToolOutput::Failed;
    ToolOutput::print(QStringLiteral("%1: no problems found").arg(path));
    return 0;
}

} // namespace orvanta
