// Quorril's own JSON (what quorril-cli export writes) into a plan: each account is carried as it is.
#include "format/WalletSink.h"
#include "import/FormatReaders.h"
#include "import/ImportPlan.h"
#include "import/JsonImportReader.h"

#include <QHash>
#include <QIODevice>

#include <algorithm>

namespace {

// Collects the accounts as opening a wallet files them: a later one with the same id replaces the
// earlier.
class AccountCollector : public WalletSink {
public:
    void setFileVersion(qint32) override { }
    void setNextAccountId(AccountId) override { }
    void setPassword(const QString&) override { }
    AccountId NextAccountId() override { return AccountId(1); }
    void fileAccount(std::unique_ptr<AccountRecord> account) override
    {
        const auto found = m_byId.constFind(idValue(account->GetId()));
        if (found == m_byId.cend()) {
            m_byId.insert(idValue(account->GetId()), accounts.size());
            accounts.push_back(std::move(account));
        } else {
            accounts[*found] = std::move(account);
        }
    }

    std::vector<std::unique_ptr<AccountRecord>> accounts;

private:
    QHash<qint32, size_t> m_byId; // where each id's account is in `accounts`
};

} // namespace

namespace FormatReaders {

bool readQuorrilJson(QIODevice& device, ImportPlan& plan, const ImportLimits& limits, QString& error)
{
    // In pieces up to the limit, straight into one buffer: asking for the limit at once would set that
    // much memory aside, so only a file's own size is set aside first, with room for the last piece
    // asked for (a pipe's buffer grows).
    constexpr qsizetype kPiece = 64 * 1024;
    QByteArray json;
    if (!device.isSequential())
        json.reserve(std::min(device.size() - device.pos(), limits.fileBytes) + kPiece + 1);
    while (json.size() <= limits.fileBytes) {
        const qsizetype at = json.size();
        json.resize(at + kPiece);
        const qint64 got = device.read(json.data() + at, kPiece);
        json.resize(at + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
    }
    if (json.size() > limits.fileBytes) {
        error = tooLarge(limits.fileBytes);
        return false;
    }
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    AccountCollector collector;
    error = readWalletJson(json, collector);
    if (!error.isEmpty())
        return false;
    qint32 number = 0;
    for (auto& account : collector.accounts) {
        ImportEntry entry;
        entry.kind = EntryKind::Account;
        entry.number = ++number;
        entry.title = account->GetTitle();
        entry.account = std::move(account);
        plan.addEntry(std::move(entry));
    }
    return true;
}

} // namespace FormatReaders
