#pragma once

#include <QtGlobal>

// What an import reads at most; anything beyond is refused before it costs memory.
struct ImportLimits {
    qint64 fileBytes = qint64(1) << 30; // the whole file
    qint64 textLength = qint64(16) << 20; // UTF-16 units of one value
    int depth = 32; // nested XML elements or JSON containers
    int columns = 64; // fields of a CSV header
    qint64 entries = 10'000'000;
};
