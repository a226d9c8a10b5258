#pragma once

#include "core/ArchiveWriter.h"
#include "texts/TextTable.h"

#include <QByteArray>
#include <QList>

#include <vector>

// Loads `table` as the kit does at start-up, from an in-memory "lang.dat"
// and "kvmain.dat" built of (entry name, bytes) pairs.
void loadTexts(orvanta::TextTable &table, const std::vector<orvanta::ArchiveWriter::NamedData> &lang,
               const std::vector<orvanta::ArchiveWriter::NamedData> &kvmain);

// A table of these source texts and translations, loaded as the kit loads
// "kvtexts.dat" and "texts.dat".
orvanta::TextTable textTable(const QList<QByteArray> &sources, const QList<QByteArray> &translations);

// A text file of the given texts, with `trailing` stray bytes after it.
std::string textFile(const QList<QByteArray> &texts, int trailing = 0);

// The translation of every row of `table`, in row order.
QList<QByteArray> translationsOf(const orvanta::TextTable &table);
