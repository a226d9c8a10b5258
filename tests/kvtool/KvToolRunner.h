#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs the built kvtool as a user would, in `workingDir`.
struct KvToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static KvToolRun run(const QStringList &args, const QString &workingDir = QString());
};
