// Writes the seed corpus of the fuzz harnesses, made by the kit's own
// writers, into OUTDIR/<harness>/: archives as a save packs them, text
// files, the standard pictures as "Save original picture" writes them and
// as image editors save them again (PNG, 24-bit BMP), glyph files of
// captured fonts (font.spr followed by fontsize.dat), the exchange
// harnesses' texts exported as CSV, PO and XLIFF, and a review file.
#include "ExchangeFuzzing.h"
#include "core/ArchiveWriter.h"
#include "exchange/TextExchange.h"
#include "font/FontChoice.h"
#include "font/GlyphFileWriter.h"
#include "pictures/IndexedBmp.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureSlots.h"
#include "texts/CodePage.h"
#include "texts/TextCodePages.h"
#include "texts/ReviewMarks.h"
#include "texts/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace orvanta;

namespace {

bool save(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    return false;
}

GlyphFiles glyphFiles(bool bold, int points)
{
    QFont font = FontChoice::defaultFont();
    font.setBold(bold);
    font.setPointSize(points);
    const auto files = GlyphFileWriter::captureGlyphFiles(font, CodePage(1252));
    if (!files)
        qFatal("%s", files.error().text().c_str());
    return *files;
}

QByteArray imageFile(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, format))
        qFatal("cannot write a %s picture", format);
    return bytes;
}

QByteArray archive(const std::vector<ArchiveWriter::NamedData> &files)
{
    const auto bytes = ArchiveWriter::write(files);
    if (!bytes)
        qFatal("%s", bytes.error().text().c_str());
    return QByteArray::fromStdString(*bytes);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    // Fonts need a GUI application, though never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = true;

    const QList<QList<QByteArray>> textSets{
        {"Load game", "Save game", ""}, {QByteArray(200, 'W'), "x"}, {}};
    for (qsizetype i = 0; i < textSets.size(); ++i)
        ok &= save(out + "/texts", QStringLiteral("texts%1.dat").arg(i), TextFile::write(textSets[i]));

    for (int codePage : {1251, 1252}) {
        QList<ExchangeEntry> entries = TextExchange::entries(exchangeTexts(), ReviewMarks(), TextCodePages(codePage));
        entries[0].needsReview = true;
        entries[0].note = QStringLiteral("A note\nof two lines");
        for (const auto &[format, name] : {std::pair{TextFormat::Id::Csv, "csv"}, std::pair{TextFormat::Id::Po, "po"},
                                           std::pair{TextFormat::Id::Xliff, "xliff"}}) {
            const auto file = TextExchange::write(format, entries, {codePage, {}, QDateTime::currentDateTimeUtc()},
                                                  QStringLiteral("seed"));
            if (!file)
                qFatal("%s", file.error().text().c_str());
            ok &= save(out + QLatin1Char('/') + QLatin1String(name), QStringLiteral("texts%1.%2").arg(codePage).arg(QLatin1String(name)), *file);
        }
    }

    ReviewMarks marks;
    marks.setMark(0, {.needsReview = true, .done = false, .note = QStringLiteral("Tab\there, a \\ and\r\ntwo lines")});
    marks.setMark(41, {.needsReview = false, .done = true, .note = {}});
    marks.setMark(1999, {.needsReview = true, .done = true, .note = QStringLiteral("\u0416")});
    ok &= save(out + "/review", QStringLiteral("orvanta-kit.review"), marks.toFile());

    const PictureSlots pictures;
    for (int row = 0; row <= 6; ++row)
        ok &= save(out + "/bmp", QStringLiteral("row%1.bmp").arg(row), IndexedBmp::write(*pictures.StandardPicture(row)));
    // As image editors save a redrawn picture: PNG and 24-bit BMP.
    ok &= save(out + "/bmp", QStringLiteral("row0.png"), imageFile(*pictures.StandardPicture(0), "PNG"));
    ok &= save(out + "/bmp", QStringLiteral("row3-rgb.png"),
               imageFile(pictures.StandardPicture(3)->convertToFormat(QImage::Format_ARGB32), "PNG"));
    ok &= save(out + "/bmp", QStringLiteral("row1-24.bmp"),
               imageFile(pictures.StandardPicture(1)->convertToFormat(QImage::Format_RGB32), "BMP"));

    const GlyphFiles plain = glyphFiles(false, 8);
    const GlyphFiles small = glyphFiles(true, 5);
    ok &= save(out + "/fontspr", QStringLiteral("arial8.spr"), plain.fontSpr + plain.fontSizeDat);
    ok &= save(out + "/fontspr", QStringLiteral("arial5bold.spr"), small.fontSpr + small.fontSizeDat);

    const QByteArray pad = PictureFile::encode(*pictures.StandardPicture(0));
    ok &= save(out + "/archive", QStringLiteral("lang.dat"),
               archive({{"TEXTS.DAT", TextFile::write(textSets[0]).toStdString()},
                        {"FONT.SPR", small.fontSpr.toStdString()},
                        {"FONTSIZE.DAT", small.fontSizeDat.toStdString()},
                        {"STK.PAD", pad.toStdString()}}));
    ok &= save(out + "/archive", QStringLiteral("kvmain.dat"),
               archive({{"KVTEXTS.DAT", TextFile::write(textSets[1]).toStdString()}}));
    ok &= save(out + "/archive", QStringLiteral("empty.dat"), archive({}));
    return ok ? 0 : 1;
}
