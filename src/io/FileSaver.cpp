#include "FileSaver.h"

#include "FileWriter.h"

namespace orvanta {

namespace {

Status writeWhole(const QString &path, FileWriter::Mode mode, QByteArrayView bytes)
{
    FileWriter file(path, mode);
    Status done = file.open();
    if (done)
        done = file.write(bytes);
    if (done)
        done = file.commit(bytes.size());
    return done;
}

} // namespace

Status FileSaver::save(const QString &path, QByteArrayView bytes)
{
    return writeWhole(path, FileWriter::Mode::Replace, bytes);
}

Status FileSaver::saveKitFile(const QString &path, QByteArrayView bytes)
{
    return writeWhole(path, FileWriter::Mode::KitFile, bytes);
}

Status FileSaver::writePiece(const QString &path, QByteArrayView bytes)
{
    return writeWhole(path, FileWriter::Mode::Scratch, bytes);
}

} // namespace orvanta
