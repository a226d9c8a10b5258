#include "ArchiveCommands.h"

#include "CommonOptions.h"
#include "ToolOutput.h"
#include "core/ArchiveDirectoryCheck.h"
#include "core/ArchiveFile.h"
#include "io/PlatformFiles.h"
#include "kit/ArchivePacker.h"

#include <QCommandLineParser>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace orvanta {

namespace {

// Opens an archive and refuses a damaged one with its first problem.
std::shared_ptr<ArchiveFile> openSound(const QString &path)
{
    auto file = ArchiveFile::open(PlatformFiles::nativePath(path));
    if (!file) {
        ToolOutput::fail(file.error());
        return nullptr;
    }
    if ((*file)->directory().damaged()) {
        ToolOutput::fail((*file)->directory().problems().front());
        return nullptr;
    }
    return *file;
}

// An entry's name as a line can show it: control characters and other
// bytes outside printable ASCII escaped.
QString shown(const std::string &entryName)
{
    return QString::fromStdString(ArchiveDirectoryCheck::printable(entryName));
}

// The entry's name with any directory part removed, or empty when nothing
// usable is left; no name in an archive may point outside the folder or
// smuggle control characters into a file name.
QString bareName(const QString &entryName)
{
    const QString name = entryName.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    if (name == QLatin1String(".") || name == QLatin1String("..")
        || std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }))
        return {};
    return name;
}

} // namespace

int ArchiveCommands::list(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Lists the entries of a language archive in directory order: name, size and offset, tab-separated."));
    parser.addPositionalArgument(QStringLiteral("archive"), tr("The archive, e.g. lang.dat."));
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    auto file = openSound(parser.positionalArguments().at(0));
    if (!file)
        return ToolOutput::Failed;
    for (const ArchiveEntry &entry : file->directory().entries()) {
        ToolOutput::print(QStringLiteral("%1\t%2\t%3")
                              .arg(shown(entry.name))
                              .arg(entry.size)
                              .arg(entry.offset));
    }
    return 0;
}

int ArchiveCommands::extract(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Writes the bytes of archive entries to files named after them, in the current folder: each NAME, "
        "looked up as the kit does (upper-cased), or every entry when no NAME is given. -o names the file of a "
        "single entry. A folder part of an entry name is dropped, so nothing lands outside the folder; two "
        "entries that would land in one file (a name used twice, names that differ only in a folder part or in "
        "case) are refused before anything is written."));
    parser.addPositionalArgument(QStringLiteral("archive"), tr("The archive, e.g. lang.dat."));
    parser.addPositionalArgument(QStringLiteral("name"), tr("The entries, e.g. texts.dat."),
                                 QStringLiteral("[NAME...]"));
    const QCommandLineOption output(QStringLiteral("o"), tr("Write to <file>."), QStringLiteral("file"));
    parser.addOption(output);
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    const QString archive = parser.positionalArguments().at(0);
    auto file = openSound(archive);
    if (!file)
        return ToolOutput::Failed;

    std::vector<const ArchiveEntry *> chosen;
    for (const QString &name : parser.positionalArguments().mid(1)) {
        const ArchiveEntry *entry = file->directory().find(ArchiveEntry::upperName(name.toLatin1().toStdString()));
        if (!entry)
            return ToolOutput::fail(QStringLiteral("%1: no entry named \"%2\"").arg(archive, name));
        if (std::find(chosen.begin(), chosen.end(), entry) == chosen.end())
            chosen.push_back(entry);
    }
    if (parser.positionalArguments().size() == 1) {
        for (const ArchiveEntry &entry : file->directory().entries())
            chosen.push_back(&entry);
    }
    if (parser.isSet(output) && chosen.size() != 1) {
        ToolOutput::fail(QStringLiteral("-o names the file of one entry; %1 entries were chosen").arg(chosen.size()));
        return ToolOutput::Misused;
    }

    // Every target is settled before the first file is written.
    QStringList targets;
    QHash<QString, const ArchiveEntry *> byTarget;
    for (const ArchiveEntry *entry : chosen) {
        QString target = parser.value(output);
        if (target.isEmpty()) {
            target = bareName(QString::fromLatin1(entry->name));
            if (target.isEmpty())
                return ToolOutput::fail(QStringLiteral("entry \"%1\" has no usable file name; give one with -o")
                                            .arg(shown(entry->name)));
        }
        // Case-blind, as many file systems are.
        if (const ArchiveEntry *other = byTarget.value(target.toCaseFolded()))
            return ToolOutput::fail(QStringLiteral("entries \"%1\" and \"%2\" would both be written to %3; nothing "
                                                   "was extracted")
                                        .arg(shown(other->name), shown(entry->name), target));
        byTarget.insert(target.toCaseFolded(), entry);
        targets.append(target);
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        auto bytes = file->readEntry(*chosen[i]);
        if (!bytes)
            return ToolOutput::fail(bytes.error());
        if (!ToolOutput::saveFile(targets[qsizetype(i)], QByteArray::fromStdString(*bytes)))
            return ToolOutput::Failed;
    }
    return 0;
}

int ArchiveCommands::pack(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(
        "Writes a language archive with one entry per FILE, in the given order, named by the upper-cased "
        "bare file name. OUT is replaced only when the whole archive is written."));
    parser.addPositionalArgument(QStringLiteral("out"), tr("The archive to write."));
    parser.addPositionalArgument(QStringLiteral("files"), tr("The files to pack."), QStringLiteral("FILE..."));
    if (!CommonOptions::parse(parser, args, 1))
        return ToolOutput::Misused;
    QStringList paths = parser.positionalArguments();
    const QString out = paths.takeFirst();
    Status packed = ArchivePacker::pack(out, ArchivePacker::sourcesFor(paths));
    return packed ? 0 : ToolOutput::fail(packed.error());
}

} // namespace orvanta
