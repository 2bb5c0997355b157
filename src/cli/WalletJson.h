#pragma once

#include <QJsonObject>
#include <QString>

class CQuorrilDoc;

// The whole document as JSON and back:
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

// Files every account of the JSON into the document as loading would (no duplicate or committed
// checks; a later account with the same id replaces the earlier) and sets the next account id.
// On a problem nothing is changed and the result names the account and field; empty on success.
// "typeName" and "properties" are accepted and ignored: they follow from the rest.
QString fromJson(const QJsonObject& json, CQuorrilDoc& doc);

} // namespace WalletJson
