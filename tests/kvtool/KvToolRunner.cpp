#include "KvToolRunner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

KvToolRun KvToolRun::run(const QStringList &args, const QString &workingDir)
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    // Commands that draw text start a GUI application, which warns on
    // standard error when it has no runtime folder (as under a bare root
    // shell); a user's session always has one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    static const QTemporaryDir runtimeFolder;
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KVTOOL_PATH), args);
    process.waitForFinished(120000);
    KvToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
