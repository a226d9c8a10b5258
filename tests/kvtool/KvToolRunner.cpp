#include "KvToolRunner.h"

#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>

KvToolRun KvToolRun::run(const QStringList &args, const QString &workingDir)
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    // Commands that draw text start a GUI application, which complains on
    // standard error when the session has no runtime folder; give it one so
    // that standard error holds only what kvtool says.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR"))) {
        const QString runtime = QDir::temp().filePath(QStringLiteral("kvtool-test-runtime"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KVTOOL_PATH), args);
    process.waitForFinished(120000);
    KvToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
