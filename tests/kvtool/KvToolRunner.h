#pragma once

#include <QByteArray>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Runs the built kvtool as a user would, in `workingDir`.
struct KvToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static KvToolRun run(const QStringList &args, const QString &workingDir = QString());
};

// kvtool runs as a process of its own, without the stand-in faces the tests'
// main gives Windows' core fonts where the system lacks them (Windows under
// Wine, whose offscreen platform reads no font configuration). There it has
// no Arial, the kit's default font, so a test of a command that draws or
// measures with it cannot hold.
inline bool kvtoolHasNoArial()
{
#ifdef Q_OS_WIN
    return !QFontDatabase::hasFamily(QStringLiteral("Arial"));
#else
    return false;
#endif
}

#define SKIP_WHERE_KVTOOL_HAS_NO_ARIAL() \
    if (kvtoolHasNoArial()) \
        GTEST_SKIP() << "this Windows has no Arial (Wine): kvtool, a process of its own, has none of the " \
                        "tests' stand-in faces for the kit's default font"
