#pragma once

// Floors the text benchmarks compare with, measured in the same run.
#include "texts/TextFile.h"
#include "texts/TextTable.h"

#include <QByteArray>

#include <benchmark/benchmark.h>

namespace orvanta {

// Copying every source and translation of `table` into one buffer: the
// least any work over all the texts costs.
inline void copyAllTexts(benchmark::State &state, const TextTable &table)
{
    QByteArray buffer;
    buffer.reserve(qsizetype(table.rowCount()) * 2 * TextFile::RecordSize);
    for (auto _ : state) {
        buffer.resize(0);
        for (int i = 0; i < table.rowCount(); ++i) {
            buffer.append(table.row(i).source);
            buffer.append(table.row(i).translation);
        }
        benchmark::DoNotOptimize(buffer.data());
    }
}

} // namespace orvanta
