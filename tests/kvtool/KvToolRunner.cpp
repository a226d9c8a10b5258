#include "KvToolRunner.h"

#include "ArchiveContents.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

QProcessEnvironment KvToolRun::environment()
{
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
#ifdef Q_OS_WIN
    // On Windows kvtool draws with Windows' own platform and fonts, as it
    // does for a translator (it shows no window), not with the tests'
    // offscreen one.
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
#endif
    return environment;
}

KvToolRun KvToolRun::run(const QStringList &args, const QString &workingDir)
{
    QProcess process;
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.setProcessEnvironment(environment());
    process.start(QStringLiteral(KVTOOL_PATH), args);
    process.waitForFinished(120000);
    KvToolRun result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

bool kvtoolHasNoArial()
{
#ifdef Q_OS_WIN
    static const bool none = [] {
        QTemporaryDir glyphs;
        return KvToolRun::run({"glyphs", "--font", "Arial", "--size", "8", "-o", glyphs.path()})
            .err.contains("no font \"Arial\" is installed");
    }();
    return none;
#else
    return false;
#endif
}

bool kvtoolDrawsAsTheTests()
{
#ifdef Q_OS_WIN
    return false;
#else
    return true;
#endif
}

void expectSameSave(const QString &saved, const QString &reference)
{
    if (kvtoolDrawsAsTheTests()) {
        QFile a(saved), b(reference);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll());
        return;
    }
    auto withoutGlyphs = [](ArchiveContents entries) {
        std::erase_if(entries, [](const auto &entry) { return entry.first == "FONT.SPR" || entry.first == "FONTSIZE.DAT"; });
        return entries;
    };
    EXPECT_EQ(entryNames(saved), entryNames(reference));
    EXPECT_EQ(withoutGlyphs(archiveContents(saved)), withoutGlyphs(archiveContents(reference)));
}
