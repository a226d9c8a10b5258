#include "KitCompiler.h"

#include "ArchivePacker.h"
#include "OutputDirectory.h"
#include "io/FileWriter.h"
#include "io/SaveJournal.h"

#include <QDir>

#include <memory>

namespace orvanta {

const QString KitCompiler::ArchiveName = QStringLiteral("lang.dat");
const QString KitCompiler::BackupName = QStringLiteral("lang.dat.bak");
const QString KitCompiler::JournalName = QStringLiteral("orvanta-kit.save.journal");

Result<QStringList> KitCompiler::compile(const QString &applicationDirectory, const std::vector<PieceWriter> &pieces,
                                         const std::vector<Companion> &companions)
{
    const OutputDirectory output(applicationDirectory);
    Status prepared = output.prepare();
    if (!prepared)
        return prepared.error();

    auto fail = [&output](const FormatError &error) -> Result<QStringList> {
        output.remove();
        return error;
    };
    for (const PieceWriter &piece : pieces) {
        Status written = piece(output.path());
        if (!written)
            return fail(written.error());
    }
    const QStringList files = output.scan();
    const QDir kit(applicationDirectory);
    // Every file staged first (a writer that is not swapped in removes its
    // new file), then all swapped in at once.
    FileWriter archive(kit.filePath(ArchiveName), FileWriter::Mode::KitFile);
    if (Status packed = ArchivePacker::write(archive, ArchivePacker::sourcesFor(files)); !packed)
        return fail(packed.error());
    const FileStamp stagedArchive = FileStamp::of(archive.stagedPath());
    std::vector<std::unique_ptr<FileWriter>> writers;
    std::vector<SaveJournal::Change> changes{{&archive, kit.filePath(BackupName)}};
    for (const Companion &companion : companions) {
        const QByteArray bytes = companion.bytes(stagedArchive);
        auto &writer = writers.emplace_back(
            std::make_unique<FileWriter>(kit.filePath(companion.name), FileWriter::Mode::KitFile));
        Status staged = writer->open();
        if (staged)
            staged = writer->write(bytes);
        if (staged)
            staged = writer->stage(bytes.size());
        if (!staged)
            return fail(staged.error());
        changes.push_back({writer.get(), kit.filePath(companion.backupName)});
    }
    if (Status replaced = SaveJournal(kit.filePath(JournalName)).replace(changes); !replaced)
        return fail(replaced.error());
    output.remove();
    return files;
}

Status KitCompiler::finishInterrupted(const QString &applicationDirectory)
{
    return SaveJournal(QDir(applicationDirectory).filePath(JournalName)).recover();
}

std::optional<QString> KitCompiler::newerCompanion(const QString &applicationDirectory, const QString &name)
{
    return SaveJournal(QDir(applicationDirectory).filePath(JournalName)).newerThan(name);
}

bool KitCompiler::interrupted(const QString &applicationDirectory)
{
    return SaveJournal(QDir(applicationDirectory).filePath(JournalName)).pending();
}

} // namespace orvanta
