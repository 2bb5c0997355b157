#pragma once

#include <QByteArray>
#include <QString>

class CQuorrilDoc;
class WalletSink;

// What a wallet's JSON may hold at most; anything beyond is refused before it costs memory.
struct JsonImportLimits {
    int depth = 5; // the document, accounts, an account, its users, a user (or fields and a date)
    qint64 textLength = 0xFFFFFFFF; // UTF-16 units: the longest text a file's 32-bit length can give
    qint64 listLength = 0x7FFFFFFF; // accounts or users of one account: what a file's int32 count holds
};

// Reads a wallet's JSON (as export writes it) in one pass, account by account, and files every
// account into the sink (the document) as loading would (no duplicate or committed checks; a later account
// with the same id replaces the earlier) and sets the next account id. The bytes are parsed in
// place, so `json` is overwritten. "typeName" and "properties" are accepted and ignored: they follow
// from the rest. Missing fields keep their empty values and a missing "committed" counts as 1.
// On a problem nothing is changed and the result tells what and where: the account and field, or
// the offset in the bytes; empty on success.
QString readWalletJson(QByteArray& json, WalletSink& doc, const JsonImportLimits& limits = {});
// The same into a document, its accounts filed as one undoable step ("Import").
QString readWalletJson(QByteArray& json, CQuorrilDoc& doc, const JsonImportLimits& limits = {});
