#pragma once

// Runs the Debian tools the exchange formats must work with (gettext's
// msgfmt and msgmerge, translate-toolkit's po2xliff, xliff2po, pocount,
// Qt's lconvert, xmllint, OmegaT) on files in a scratch folder.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <gtest/gtest.h>

struct ToolRun {
    int exitCode = -1;
    QByteArray output; // standard output and error together
};

// `program` (a name on the PATH, or a path) with `args` in `dir`, with
// `environment` ("NAME=value") added to this process's; exit code -1 when it
// is not installed.
inline ToolRun runTool(const QString &program, const QStringList &args, const QDir &dir,
                       const QStringList &environment = {}, int timeoutMs = 120000)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {};
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : environment)
        variables.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(variables);
    process.start(path, args);
    if (!process.waitForFinished(timeoutMs))
        return {-2, "did not finish"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAll()};
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
