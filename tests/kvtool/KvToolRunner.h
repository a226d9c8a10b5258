#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Runs the built kvtool as a user would, in `workingDir`.
struct KvToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static KvToolRun run(const QStringList &args, const QString &workingDir = QString());
    // The environment kvtool runs in, for a test that starts it itself.
    static QProcessEnvironment environment();
};

// kvtool runs as a process of its own, with Windows' own fonts, not the
// stand-in faces the tests' main gives the offscreen platform. A Windows
// without Arial, the kit's default font (a Wine prefix without the font
// replacements wine-run gives it), fails every test of a command that
// draws or measures with it. Asked of kvtool itself, once per test
// process, on Windows only.
bool kvtoolHasNoArial();

#define SKIP_WHERE_KVTOOL_HAS_NO_ARIAL() \
    if (kvtoolHasNoArial()) \
        GTEST_SKIP() << "this Windows has no Arial: kvtool, a process of its own, has none of the " \
                        "tests' stand-in faces for the kit's default font"

// The tests draw on the offscreen platform; kvtool on Windows draws with
// Windows' own, whose rasteriser makes other glyph pictures and widths of
// the same font file (packaging/windows/compare lists them). What kvtool
// draws equals what a test draws on Linux only.
bool kvtoolDrawsAsTheTests();

// Expects the archive kvtool saved at `saved` to be the one a test saved
// at `reference`: byte for byte where kvtool draws as the tests do, else
// entry by entry apart from the glyph files.
void expectSameSave(const QString &saved, const QString &reference);

