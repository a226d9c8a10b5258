#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

#include <string>
#include <utility>
#include <vector>

// A throwaway kit folder for tests: archives and files are written into it
// as the test needs them.
class TempKit {
public:
    TempKit();

    // The folder with a trailing '/', as the kit names its own folder.
    QString dir() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return dir() + name; }
    // The path as messages show it: with the system's separators.
    QString shown(const QString &name) const { return QDir::toNativeSeparators(path(name)); }

    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

    // Writes an archive of (entry name, bytes) pairs with the kit's writer.
    void writeArchive(const QString &name, const std::vector<std::pair<std::string, QByteArray>> &entries) const;

    // Copies the built kvmain.dat of the sample kit into this folder.
    void installSampleData() const;

private:
    QTemporaryDir m_dir;
};
