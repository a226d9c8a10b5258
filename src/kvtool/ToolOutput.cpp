#include "ToolOutput.h"

#include "io/FileSaver.h"
#include "io/PlatformFiles.h"

#include <QBuffer>

#include <cstdio>

namespace orvanta {

int ToolOutput::fail(const QString &message)
{
    PlatformFiles::writeText(stderr, QStringLiteral("kvtool: ") + message + QLatin1Char('\n'));
    return Failed;
}

void ToolOutput::warn(const QString &line)
{
    PlatformFiles::writeText(stderr, QStringLiteral("kvtool: warning: ") + line + QLatin1Char('\n'));
}

void ToolOutput::report(const QString &line)
{
    PlatformFiles::writeText(stderr, line + QLatin1Char('\n'));
}

int ToolOutput::fail(const FormatError &error)
{
    return fail(QString::fromStdString(error.text()));
}

void ToolOutput::print(const QString &line)
{
    PlatformFiles::writeText(stdout, line + QLatin1Char('\n'));
}

void ToolOutput::write(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

bool ToolOutput::saveFile(const QString &path, const QByteArray &bytes)
{
    Status saved = FileSaver::save(path, bytes);
    if (!saved)
        fail(saved.error());
    return saved.ok();
}

bool ToolOutput::savePng(const QString &path, const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        fail(path + QStringLiteral(": the picture cannot be made into a PNG"));
        return false;
    }
    return saveFile(path, png);
}

} // namespace orvanta
