#pragma once

#include <QJsonObject>
#include <QString>

class CQuorrilDoc;

// The whole document as a JSON tree: the reference the streaming export (JsonExportWriter) is
// checked against, and what tests compare with.
// {"version", "nextAccountId", "accounts": [{"id", "type", "typeName", "title", "committed",
//   "users": [{"loginId", "password", "email", "administrator"}], "fields": {name: value},
//   "properties": [[label, value], ...]}]}
// Field values are texts, numbers, or {"status", "value"} for dates. Numbers that JSON cannot
// hold as they are (NaN, the infinities, negative zero) are written as the texts "NaN",
// "Infinity", "-Infinity" and "-0".
namespace WalletJson {

// Accounts in id order; "nextAccountId" is what NextAccountId() gives, "version" the file version
// the document was loaded from. Properties are listed in the default locale.
QJsonObject toJson(CQuorrilDoc& doc);

} // namespace WalletJson
