#include "KvToolRunner.h"

#include <QProcess>

KvToolRun KvToolRun::run(const QStringList &args, const QString &workingDir)
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(QStringLiteral(KVTOOL_PATH), args);
    process.waitForFinished(120000);
    KvToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
