#pragma once

#include "core/AccountTypes.h"
#include "format/WalletContents.h"

#include <QtGlobal>

class CArchive;
class WalletSink;

// The classic ".qrl" layout: version, next account id, scrambled password, then one group per type
// in the order of accountTypes() (version 1 files stop before the Reference group). A group is a
// count and that many records, each the account's common block and its own record block. Versions,
// ids, codes and counts are little-endian int32.
namespace ClassicFormat {
inline constexpr qint32 kWrittenVersion = 2;
inline constexpr qint32 kVersionWithoutReference = 1;

// Versions 1 and 2; a file of any other version holds nothing this program can read after its
// header.
bool isKnownVersion(qint32 version);
} // namespace ClassicFormat

// Stores a whole classic file (version 2) into a storing archive. Accounts whose type code is none
// of the ten belong to no group and are left out.
class ClassicWriter {
public:
    explicit ClassicWriter(CArchive& archive)
        : m_ar(archive)
    {
    }
    void write(const WalletContents& wallet);

private:
    CArchive& m_ar;
};

// Loads a whole classic file from a loading archive into a sink. Damaged data throws
// CArchiveException; whatever was read before it is in the sink already. A file of an unknown
// version ends after its header.
class ClassicReader {
public:
    ClassicReader(CArchive& archive, WalletSink& sink)
        : m_ar(archive)
        , m_sink(sink)
    {
    }
    void read();
    // One group: its count and records. The group decides the class: a record carrying another type
    // code is filed under the group's type.
    void readAccountGroup(AccountType type);

private:
    CArchive& m_ar;
    WalletSink& m_sink;
};
