#pragma once

#include "core/AccountRecord.h"

#include <QString>

#include <memory>
#include <vector>

// What an entry of another program's export is; the plan picks the account type from it.
enum class EntryKind : quint8 {
    Login, // WebSite, or Email when the address or title says mail
    Card, // Credit Card
    BankAccount, // Bank
    Identity, // Medical with an SSN, passport or licence number, Reference otherwise
    Note, // Reference
    SoftwareLicence, // Software
    Insurance, // Insurance
    EmailAccount, // Email
    Account, // an account of Quorril's own, carried whole (see ImportEntry::account)
};

// The meaning of one value of an entry. Where each lands in each account type is the one table of
// ImportMapping.cpp; a value with no place there goes to the notes (or the "(more)" account) under
// its label.
enum class Slot : quint8 {
    UserName,
    Password,
    Url,
    Notes,
    EmailAddress,
    Holder, // name on a card or bank account, policy holder
    Kind, // card brand, bank account type, insurance type
    Number, // card, bank account or policy number
    Expiry, // "yyyy-MM-dd", or "yyyy-MM" for the end of that month
    Pin,
    Institution, // bank, card issuer, insurer, software publisher
    RoutingNumber,
    Phone,
    Insured, // what an insurance covers
    FirstName,
    MiddleName,
    LastName,
    Ssn,
    Passport,
    Licence,
    Version,
    LicenceKey,
    Date, // the entry's last change, "yyyy-MM-dd": dates a note, never moved to the notes
    About, // what a note is about
    Host, // the host of the address: filled from Url, never given by a reader
    Extra, // anything else
};

struct ImportItem {
    Slot slot;
    QString label; // as the other program names it ("Security Code", "TOTP", a custom field's name)
    QString value;
};

// One entry as a reader found it, before it becomes accounts.
struct ImportEntry {
    EntryKind kind = EntryKind::Login;
    qint32 number = 0; // the row, item or entry of the file it comes from
    qint32 line = 0; // the line it starts on; 0 where the format has no lines worth naming
    QString title;
    std::vector<ImportItem> items;
    // For EntryKind::Account: the account as it was written (its id means nothing here).
    std::unique_ptr<AccountRecord> account;

    // Adds a value unless it is empty.
    void add(Slot slot, const QString& label, const QString& value)
    {
        if (!value.isEmpty())
            items.push_back({ slot, label, value });
    }
    // The first value of the slot, or empty.
    QString value(Slot slot) const
    {
        for (const ImportItem& item : items)
            if (item.slot == slot)
                return item.value;
        return {};
    }
};
