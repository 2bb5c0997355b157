#include "document/PasswordHealth.h"

#include "core/SecretWipe.h"
#include "document/ExpiringItems.h"
#include "document/QuorrilDoc.h"
#include "format/Sodium.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSet>

#include <sodium.h>

#include <algorithm>
#include <functional>
#include <thread>

namespace PasswordHealth {

namespace {
// A password to estimate, and the words of its account.
struct Estimate {
    size_t entry;
    QString password;
    size_t account; // index into the accounts' user words
};

// Runs the estimates on every core: each is independent, and zxcvbn keeps no state between calls.
void estimateAll(const std::vector<Estimate>& jobs, const std::vector<QStringList>& userWords,
    std::vector<Entry>& entries, const std::function<bool()>& stop)
{
    const auto run = [&](size_t from, size_t step) {
        for (size_t i = from; i < jobs.size(); i += step) {
            if (stop && i % 256 < step && stop())
                return;
            const PasswordStrength::Strength strength
                = PasswordStrength::ofPassword(jobs[i].password, userWords[jobs[i].account]);
            entries[jobs[i].entry].grade = strength.grade;
            entries[jobs[i].entry].bits = strength.bits;
        }
    };
    constexpr size_t kJobsPerThread = 512;
    const size_t cores = std::max(1U, std::thread::hardware_concurrency());
    const size_t threads = std::clamp<size_t>(jobs.size() / kJobsPerThread, 1, cores);
    std::vector<std::jthread> helpers;
    for (size_t t = 1; t < threads; ++t)
        helpers.emplace_back(run, t, threads);
    run(0, threads);
}

// Reuse is found by a digest of each secret under a key drawn for this report alone, so the table
// of digests tells nothing about the secrets once the report is done.
class ReuseCounter {
public:
    ReuseCounter()
    {
        Sodium::ensureReady();
        randombytes_buf(m_key, sizeof m_key);
    }
    ~ReuseCounter() { sodium_memzero(m_key, sizeof m_key); }

    // Keyed BLAKE2b (libsodium) over the secret's UTF-8 bytes. The hash's state, which holds the
    // last block of its input, lives here and is wiped, as are the bytes.
    QByteArray digest(const QString& secret) const
    {
        QByteArray bytes = secret.toUtf8();
        crypto_generichash_state state;
        crypto_generichash_init(&state, m_key, sizeof m_key, kDigestBytes);
        crypto_generichash_update(
            &state, reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()));
        QByteArray digest(qsizetype(kDigestBytes), Qt::Uninitialized);
        crypto_generichash_final(&state, reinterpret_cast<unsigned char*>(digest.data()), kDigestBytes);
        sodium_memzero(&state, sizeof state);
        SecretWipe::bytes(bytes);
        return digest;
    }

    void count(const QByteArray& digest) { ++m_counts[digest]; }
    int places(const QByteArray& digest) const { return m_counts.value(digest); }

private:
    static constexpr size_t kDigestBytes = 32;
    unsigned char m_key[crypto_generichash_KEYBYTES];
    QHash<QByteArray, int> m_counts;
};

QSet<AccountId> expiredCardsAndPolicies(const CQuorrilDoc& document, QDate today)
{
    QSet<AccountId> expired;
    for (const ExpiringItem& item : ExpiringItems::collect(document, today))
        if (item.daysLeft < 0 && (item.type == AccountType::CreditCard || item.type == AccountType::Insurance))
            expired.insert(item.id);
    return expired;
}

Entry rowOf(const AccountRecord& account)
{
    Entry entry;
    entry.id = account.GetId();
    entry.type = account.GetType();
    entry.title = account.GetTitle();
    return entry;
}

int gradeRank(const Entry& entry) { return int(entry.grade.value_or(StrengthGrade::Good)); }
} // namespace

Snapshot snapshot(const CQuorrilDoc& document, QDate today, Options options)
{
    Snapshot taken;
    taken.options = options;
    if (document.IsLocked())
        return taken;
    const QSet<AccountId> expired = expiredCardsAndPolicies(document, today);
    for (const auto& [id, account] : document.accounts()) {
        const size_t first = taken.entries.size();
        taken.userWords.push_back(PasswordStrength::userWordsOf(*account));
        for (const AccountSecret& secret : AccountSecrets::of(*account)) {
            // An empty PIN or key is no secret at all; an empty password is a problem.
            if (secret.value.isEmpty() && secret.kind != SecretKind::Password)
                continue;
            Entry entry = rowOf(*account);
            entry.kind = secret.kind;
            entry.user = secret.user;
            entry.secretName = AccountSecrets::describe(*account, secret);
            taken.entries.push_back(std::move(entry));
            // A copy of its own, not shared with the account: the document may change or lock
            // while another thread grades it.
            taken.values.push_back(QString(secret.value.constData(), secret.value.size()));
            taken.accountOf.push_back(taken.userWords.size() - 1);
        }
        if (expired.contains(id)) {
            if (taken.entries.size() == first) {
                taken.entries.push_back(rowOf(*account));
                taken.values.emplace_back();
                taken.accountOf.push_back(taken.userWords.size() - 1);
            }
            for (size_t e = first; e < taken.entries.size(); ++e)
                taken.entries[e].problems |= Expired;
        }
    }
    return taken;
}

std::vector<Entry> evaluate(Snapshot taken, const std::function<bool()>& stop)
{
    // The snapshot's own copies of the secrets are wiped once every job has let go of them, and so
    // is the stack where the hash worked on them.
    struct WipeValues {
        std::vector<QString>& values;
        ~WipeValues()
        {
            for (QString& value : values)
                SecretWipe::text(value);
            SecretWipe::stack();
        }
    } wipeValues { taken.values };
    std::vector<Entry>& entries = taken.entries;
    ReuseCounter reuse;
    std::vector<QByteArray> digests(entries.size()); // empty for an empty secret or a row without one
    std::vector<Estimate> jobs;
    for (size_t e = 0; e < entries.size(); ++e) {
        Entry& entry = entries[e];
        const QString& value = taken.values[e];
        if (entry.kind == SecretKind::None)
            continue;
        if (value.isEmpty()) {
            entry.grade = StrengthGrade::Bad;
            entry.bits = 0;
            entry.problems |= Empty;
            continue;
        }
        digests[e] = reuse.digest(value);
        reuse.count(digests[e]);
        if (taken.options.withSha1) {
            QByteArray bytes = value.toUtf8();
            entry.sha1Hex = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toUpper();
            SecretWipe::bytes(bytes);
        }
        if (entry.kind == SecretKind::Pin)
            entry.grade = PasswordStrength::ofPin(value);
        else if (entry.kind != SecretKind::Key)
            jobs.push_back({ e, value, taken.accountOf[e] });
    }
    estimateAll(jobs, taken.userWords, entries, stop);

    for (size_t e = 0; e < entries.size(); ++e) {
        Entry& entry = entries[e];
        if (entry.grade && !entry.has(Empty) && PasswordStrength::isWeak(*entry.grade))
            entry.problems |= Weak;
        const int places = digests[e].isEmpty() ? 0 : reuse.places(digests[e]);
        if (places >= 2) {
            entry.problems |= Reused;
            entry.sharedBy = places;
            if (entry.grade)
                entry.grade = std::min(*entry.grade, StrengthGrade::Weak);
        }
    }
    sortWorstFirst(entries);
    return std::move(entries);
}

std::vector<Entry> collect(const CQuorrilDoc& document, QDate today, Options options)
{
    return evaluate(snapshot(document, today, options));
}

void sortWorstFirst(std::vector<Entry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if ((a.problems == 0) != (b.problems == 0))
            return a.problems != 0;
        if (a.has(Breached) != b.has(Breached))
            return a.has(Breached);
        if (gradeRank(a) != gradeRank(b))
            return gradeRank(a) < gradeRank(b);
        if (a.sharedBy != b.sharedBy)
            return a.sharedBy > b.sharedBy;
        if (const int byTitle = a.title.compare(b.title, Qt::CaseInsensitive); byTitle != 0)
            return byTitle < 0;
        if (a.id != b.id)
            return a.id < b.id;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.user < b.user;
    });
}

qsizetype weakOrReused(const std::vector<Entry>& entries)
{
    return std::count_if(
        entries.begin(), entries.end(), [](const Entry& entry) { return entry.problems & (Weak | Reused | Empty); });
}

QString statusNote(qsizetype count)
{
    if (count <= 0)
        return {};
    if (count == 1)
        return QCoreApplication::translate("PasswordHealth", "1 weak or reused password (View > Password Health…)");
    return QCoreApplication::translate("PasswordHealth", "%1 weak or reused passwords (View > Password Health…)")
        .arg(count);
}

QString problemText(const Entry& entry)
{
    QStringList words;
    if (entry.has(Breached))
        words << (entry.breachCount == 1
                ? QCoreApplication::translate("PasswordHealth", "breached (1 time)")
                : QCoreApplication::translate("PasswordHealth", "breached (%1 times)").arg(entry.breachCount));
    if (entry.has(Reused))
        words << QCoreApplication::translate("PasswordHealth", "reused (%1 places)").arg(entry.sharedBy);
    if (entry.has(Weak))
        words << QCoreApplication::translate("PasswordHealth", "weak");
    if (entry.has(Empty))
        words << QCoreApplication::translate("PasswordHealth", "empty");
    if (entry.has(Expired))
        words << QCoreApplication::translate("PasswordHealth", "expired");
    return words.join(QStringLiteral(", "));
}

} // namespace PasswordHealth
