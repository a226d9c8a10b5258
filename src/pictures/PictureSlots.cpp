#include "PictureSlots.h"

#include "BmpHeader.h"
#include "io/FileSaver.h"
#include "IndexedBmp.h"
#include "PictureCatalogue.h"
#include "PictureFile.h"
#include "core/ArchiveSet.h"
#include "core/EntryStream.h"

#include <QDir>
#include <QFile>

// The built-in pictures live in a static library, whose resources must be
// registered by hand (outside any namespace).
static void registerStandardPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace orvanta {

namespace {

QImage builtInPicture(const PictureCatalogueRow &row)
{
    const QString path = QStringLiteral(":/pictures/") + PictureCatalogue::bmpName(row);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing built-in picture %s", qPrintable(path));
    const QByteArray bytes = file.readAll();
    const auto header = BmpHeader::read(bytes, path.toStdString());
    if (!header)
        qFatal("damaged built-in picture: %s", header.error().text().c_str());
    auto picture = IndexedBmp::decode(bytes, *header);
    if (!picture)
        qFatal("damaged built-in picture %s: %s", qPrintable(path), picture.error().what.c_str());
    return *picture;
}

} // namespace

PictureSlots::PictureSlots()
{
    registerStandardPictures();
    for (int row = 0; row < PictureCatalogue::RowCount; ++row)
        m_standard[std::size_t(row)] = builtInPicture(*PictureCatalogue::row(row));
}

const QImage *PictureSlots::StandardPicture(int row) const
{
    return PictureCatalogue::row(row) ? &m_standard[std::size_t(row)] : nullptr;
}

QImage *PictureSlots::TranslatedPicture(int row)
{
    return PictureCatalogue::row(row) ? &m_translated[std::size_t(row)] : nullptr;
}

const QImage *PictureSlots::TranslatedPicture(int row) const
{
    return const_cast<PictureSlots *>(this)->TranslatedPicture(row);
}

bool PictureSlots::isPresent(int row) const
{
    const QImage *picture = TranslatedPicture(row);
    return picture && !picture->isNull() && picture->width() > 0;
}

int PictureSlots::readPictureFiles(ArchiveSet &archives)
{
    const QList<QRgb> palette = standardPalette();
    EntryStream stream(archives);
    int taken = 0;
    for (int index = 0; index < PictureCatalogue::RowCount; ++index) {
        const PictureCatalogueRow &row = *PictureCatalogue::row(index);
        stream.Open(row.fileName);
        if (!stream.found() || stream.slot() != 0 || stream.Size() != 4 + qint64(row.width) * row.height)
            continue;
        QByteArray bytes(qsizetype(stream.Size()), Qt::Uninitialized);
        if (!stream.Read(bytes.data(), stream.Size()))
            continue;
        if (auto picture = PictureFile::decode(bytes, row.size(), palette)) {
            m_translated[std::size_t(index)] = *picture;
            ++taken;
        }
    }
    return taken;
}

Status PictureSlots::WritePictureFiles(const QString &outputDirectory) const
{
    const QDir directory(outputDirectory);
    for (int row = 0; row < PictureCatalogue::RowCount; ++row) {
        if (!isPresent(row))
            continue;
        const QString path = directory.filePath(QString::fromLatin1(PictureCatalogue::row(row)->fileName));
        if (Status written = FileSaver::writePiece(path, PictureFile::encode(*TranslatedPicture(row))); !written)
            return written;
    }
    return Done{};
}

} // namespace orvanta
