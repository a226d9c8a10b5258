#include "KitCompiler.h"

#include "ArchivePacker.h"
#include "OutputDirectory.h"

#include <QDir>

namespace orvanta {

const QString KitCompiler::ArchiveName = QStringLiteral("lang.dat");
const QString KitCompiler::BackupName = QStringLiteral("lang.dat.bak");

Result<QStringList> KitCompiler::compile(const QString &applicationDirectory, const std::vector<PieceWriter> &pieces)
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
    Status packed = ArchivePacker::pack(kit.filePath(ArchiveName), ArchivePacker::sourcesFor(files),
                                        kit.filePath(BackupName));
    if (!packed)
        return fail(packed.error());
    output.remove();
    return files;
}

} // namespace orvanta
