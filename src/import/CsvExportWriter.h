#pragma once

#include "format/WalletContents.h"

#include <QString>

class QIODevice;

// Writes every account as a row of KeePassXC's CSV (the header "Group","Title","Username","Password",
// "URL","Notes","TOTP","Icon","Last Modified","Created"), in id order, through a buffer into the
// device: each account as AccountCsvRow encodes it, so that importing the file gives the same
// accounts. Every field is quoted, quotes doubled; UTF-8, rows ending in LF. The file holds every
// secret in clear. False with the device's reason in `error` when a write failed.
bool writeKeePassXcCsv(const AccountTable& accounts, QIODevice& device, QString& error);
