#include "ArchiveCommands.h"

#include "ToolOutput.h"
#include "core/ArchiveFile.h"
#include "packaging/ArchivePacker.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace orvanta {

namespace {

// Opens an archive and refuses a damaged one with its first problem.
std::shared_ptr<ArchiveFile> openSound(const QString &path)
{
    auto file = ArchiveFile::open(path.toStdString());
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

// The entry's name with any directory part removed, or empty when nothing
// usable is left; no name in an archive may point outside the folder.
QString bareName(const QString &entryName)
{
    const QString name = entryName.section(QRegularExpression(QStringLiteral("[/\\\\]")), -1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    return name;
}

} // namespace

int ArchiveCommands::list(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the entries of a language archive in directory order: name, size and offset, tab-separated."));
    parser.addPositionalArgument(QStringLiteral("archive"), QStringLiteral("The archive, e.g. lang.dat."));
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    auto file = openSound(parser.positionalArguments().at(0));
    if (!file)
        return ToolOutput::Failed;
    for (const ArchiveEntry &entry : file->directory().entries()) {
        ToolOutput::print(QStringLiteral("%1\t%2\t%3")
                              .arg(QString::fromLatin1(entry.name))
                              .arg(entry.size)
                              .arg(entry.offset));
    }
    return 0;
}

int ArchiveCommands::extract(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the bytes of one archive entry to a file. NAME is looked up as the kit does (upper-cased). "
        "Without -o the file is named after the entry, in the current folder."));
    parser.addPositionalArgument(QStringLiteral("archive"), QStringLiteral("The archive, e.g. lang.dat."));
    parser.addPositionalArgument(QStringLiteral("name"), QStringLiteral("The entry, e.g. texts.dat."));
    const QCommandLineOption output(QStringLiteral("o"), QStringLiteral("Write to <file>."), QStringLiteral("file"));
    parser.addOption(output);
    if (!ToolOutput::parse(parser, args, 2))
        return ToolOutput::Misused;
    auto file = openSound(parser.positionalArguments().at(0));
    if (!file)
        return ToolOutput::Failed;
    const QString name = parser.positionalArguments().at(1);
    const ArchiveEntry *entry = file->directory().find(ArchiveEntry::upperName(name.toLatin1().toStdString()));
    if (!entry)
        return ToolOutput::fail(QStringLiteral("%1: no entry named \"%2\"").arg(parser.positionalArguments().at(0), name));
    QString target = parser.value(output);
    if (target.isEmpty()) {
        target = bareName(QString::fromLatin1(entry->name));
        if (target.isEmpty())
            return ToolOutput::fail(QStringLiteral("entry \"%1\" has no usable file name; give one with -o")
                                        .arg(QString::fromLatin1(entry->name)));
    }
    auto bytes = file->readEntry(*entry);
    if (!bytes)
        return ToolOutput::fail(bytes.error());
    return ToolOutput::saveFile(target, QByteArray::fromStdString(*bytes)) ? 0 : ToolOutput::Failed;
}

int ArchiveCommands::pack(const QStringList &args)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a language archive with one entry per FILE, in the given order, named by the upper-cased "
        "bare file name. OUT is replaced only when the whole archive is written."));
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("The archive to write."));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("The files to pack."), QStringLiteral("FILE..."));
    if (!ToolOutput::parse(parser, args, 1))
        return ToolOutput::Misused;
    QStringList paths = parser.positionalArguments();
    const QString out = paths.takeFirst();
    Status packed = ArchivePacker::pack(out, ArchivePacker::sourcesFor(paths));
    return packed ? 0 : ToolOutput::fail(packed.error());
}

} // namespace orvanta
