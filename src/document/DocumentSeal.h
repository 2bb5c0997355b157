#pragma once

#include "core/ScrambledText.h"
#include "document/AccountBook.h"
#include "format/EncryptedFormat.h"
#include "format/SecureBuffer.h"

#include <QString>

#include <functional>

// Runs a piece of work that may take a key derivation's time (about half a second) and returns when
// it is done. The window runs it off its own thread and keeps painting; by default it runs here.
using KeyWork = std::function<void(const std::function<void()>& work)>;

// What a lock keeps of a document: every account's content, the history of steps (with the old
// passwords and the deleted accounts it holds) and the document password, written into one buffer
// and sealed there under a key derived from the password (the encrypted format's Argon2id, with a
// fresh salt each time). The accounts stay in the table with their titles alone, so that the tree
// goes on showing them; everything else is wiped. Opening the seal puts it all back.
class DocumentSeal {
public:
    enum class Opened { Yes, WrongPassword, Damaged };

    bool isSealed() const { return m_sealed.size() > 0; }
    // Seals the table's content and history and the password, then wipes them from the table and the
    // password. False when no memory could be had for it: then nothing is changed.
    bool seal(AccountBook& table, ScrambledText& password, const KdfCost& cost, const KeyWork& work);
    // Opens the seal with the typed password and puts everything back. Accounts filed while sealed
    // stay, and the steps that filed them follow the sealed history. A wrong password changes nothing.
    Opened open(AccountBook& table, ScrambledText& password, const QString& typed, const KeyWork& work);
    // Forgets the seal (a new or another document replaces the sealed one).
    void drop() { m_sealed.reset(); }

    // Leaves the account its id, type, title and committed flag: every user entry and field goes,
    // wiped.
    static void strip(AccountRecord& account);

private:
    SecureBuffer m_sealed;
    KdfCost m_cost;
};
