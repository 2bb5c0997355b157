#pragma once

#include "accounts/AccountSecrets.h"
#include "accounts/PasswordStrength.h"
#include "core/AccountId.h"
#include "core/AccountTypes.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class CQuorrilDoc;

// The password health report of a wallet: every password, user password, PIN and key with its grade,
// and what is wrong with it. The window (View > Password Health…) and quorril-cli health show the
// same report; neither ever shows a secret.
namespace PasswordHealth {

enum Problem : unsigned {
    Reused = 0x01, // the same secret is held in another place too
    Weak = 0x02, // graded below Good on its own scale
    Empty = 0x04, // a password or user password with nothing in it
    Expired = 0x08, // the card or policy has expired
    Breached = 0x10, // found in a list of breached passwords (quorril-cli health --breached)
};

struct Entry {
    AccountId id = AccountId::None;
    AccountType type = AccountType::None;
    QString title;
    // Which secret the row is about; None for the row of an expired policy or card without a PIN.
    SecretKind kind = SecretKind::None;
    int user = -1;
    // "Password", "User Password (alice)", "PIN", "CD Key"; empty for a row without a secret.
    QString secretName;
    // Nothing for a key (not chosen by its owner, so not graded) and for a row without a secret.
    std::optional<StrengthGrade> grade;
    // The estimated bits of a password; nothing for PINs, keys and rows without a secret.
    std::optional<double> bits;
    unsigned problems = 0;
    // How many places hold this secret, this one included, when it is reused; 0 otherwise.
    int sharedBy = 0;
    // How often the breached list counts it (quorril-cli health --breached).
    qint64 breachCount = 0;
    // The secret's SHA-1 in upper-case hex, only when asked for (to look it up in a breached list).
    QByteArray sha1Hex;

    bool has(Problem problem) const { return (problems & problem) != 0; }
};

struct Options {
    // Fill Entry::sha1Hex.
    bool withSha1 = false;
};

// What the report needs of the document, copied: the rows without their grades, each row's secret,
// and the words of each account. Taken on the document's thread, it can be graded on any other.
struct Snapshot {
    Options options;
    std::vector<Entry> entries;
    std::vector<QString> values; // by entry
    std::vector<size_t> accountOf; // by entry: index into userWords
    std::vector<QStringList> userWords; // by account
};
// Cheap: no estimate runs. Empty while the document is locked.
Snapshot snapshot(const CQuorrilDoc& document, QDate today, Options options = {});
// Grades, finds reuse, sorts: the costly part, which touches nothing but the snapshot. When `stop`
// says so (it is asked now and then), the grading ends early and the result means nothing.
std::vector<Entry> evaluate(Snapshot taken, const std::function<bool()>& stop = {});

// Every secret of the document's accounts, and a row for each expired card or policy that has no
// PIN to carry the mark; worst first. A password is graded with its account's title, user names
// and e-mail addresses as the words an attacker tries first, a PIN on the PIN scale; a secret held
// in two or more places (found by hashing, across accounts, types and users) is capped at Weak.
// Empty while the document is locked.
std::vector<Entry> collect(const CQuorrilDoc& document, QDate today, Options options = {});

// Worst first: rows with problems before the others; breached ones first, then by grade (ungraded
// rows count as Good), more places sharing a secret before fewer; then by title ignoring case, id,
// and the secret's place in its account.
void sortWorstFirst(std::vector<Entry>& entries);

// The rows that are weak, reused or empty.
qsizetype weakOrReused(const std::vector<Entry>& entries);
// The status-bar note: "3 weak or reused passwords (View > Password Health…)", the singular for one;
// empty for none.
QString statusNote(qsizetype count);
// The problems of a row in words: "breached (1234 times), reused (3 places), weak", "empty",
// "expired"; empty for none.
QString problemText(const Entry& entry);

} // namespace PasswordHealth
