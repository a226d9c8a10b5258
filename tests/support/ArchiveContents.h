#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <string>
#include <utility>
#include <vector>

// What an archive file holds, read with the kit's own reader: (name, bytes)
// of every entry in directory order. Empty when the file cannot be opened;
// a damaged directory fails the calling test.
using ArchiveContents = std::vector<std::pair<std::string, std::string>>;

ArchiveContents archiveContents(const QString &path);
std::vector<std::string> entryNames(const QString &path);
// The text records of the TEXTS.DAT entry of the archive at `path` (a
// saved lang.dat); empty when it has none.
QList<QByteArray> savedTexts(const QString &path);
