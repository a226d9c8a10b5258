#pragma once

#include "core/FormatError.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace orvanta {

// How kvtool commands talk to the user: one line per error on standard
// error, results on standard output, exit codes 0 (done), 1 (failed), 2
// (wrong use) and 3 (done from a damaged archive: warned about on standard
// error, the output complete for everything the archives still hold), and
// output files (-o) written whole or not at all.
class ToolOutput {
public:
    static constexpr int Failed = 1;
    static constexpr int Misused = 2;
    static constexpr int Damaged = 3;

    static int fail(const QString &message);
    static int fail(const FormatError &error);
    static void print(const QString &line);
    // "kvtool: warning: LINE" on standard error; the command goes on.
    static void warn(const QString &line);
    // A line of a report on standard error, as it stands.
    static void report(const QString &line);
    static void write(const QByteArray &bytes);

    // Writes `bytes` to `path` through a save file: all or nothing.
    static bool saveFile(const QString &path, const QByteArray &bytes);
    // Writes `image` to `path` as PNG, the same way.
    static bool savePng(const QString &path, const QImage &image);
};

} // namespace orvanta
