#include "KitCompiler.h"

#include "ArchivePacker.h"
#include "OutputDirectory.h"

#include <QDir>

namespace orvanta {

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
    Status packed = ArchivePacker::pack(QDir(applicationDirectory).filePath(QStringLiteral("lang.dat")),
                                        ArchivePacker::sourcesFor(files));
    if (!packed)
        return fail(packed.error());
    output.remove();
    return files;
}

} // namespace orvanta
