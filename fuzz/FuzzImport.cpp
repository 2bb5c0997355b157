// Reads arbitrary bytes as an export of each import format: the first byte picks the format (one of
// the eight, or any other value: told from the content), the rest is the file. Reading must never
// crash, leak or allocate beyond a small multiple of the input. When a plan comes out, its accounts
// must be committed, storable and titled apart within each type; written as Quorril's KeePassXC CSV
// and imported again they must come back as the same accounts.
#include "accounts/AccountFactory.h"
#include "document/QuorrilDoc.h"
#include "format/WalletFile.h"
#include "fuzz/NoPrompts.h"
#include "import/AccountCsvRow.h"
#include "import/CsvExportWriter.h"
#include "import/Importer.h"

#include <QBuffer>
#include <QSet>

#include <cstdint>
#include <cstdlib>

namespace {

std::unique_ptr<ImportPlan> readPlan(
    const QByteArray& bytes, std::optional<ImportFormat> format, const ImportLimits& limits = {})
{
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    ImportRead read = Importer::read(device, format, limits);
    if (!read.plan && read.error.isEmpty())
        std::abort(); // a refusal always says why
    return std::move(read.plan);
}

std::vector<std::unique_ptr<AccountRecord>> take(ImportPlan& plan)
{
    qint32 next = 1;
    plan.setSkipRefused(true);
    return plan.takeAccounts([&next] { return AccountId(next++); }, QDate(2025, 1, 1));
}

// Titles as the document compares them: A to Z in either case.
QString titleKey(const AccountRecord& account)
{
    QString key = QString::number(typeCode(account.GetType())) + u':' + account.GetTitle();
    for (QChar& c : key)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return key;
}

void check(ImportPlan& plan)
{
    for (int i = 0; i < plan.rowCount(); ++i) {
        const ImportRow row = plan.row(i);
        if (row.choices.size() > 1)
            plan.setRowType(i, row.choices.back());
    }
    const int expected = plan.summary().accountCount();
    const std::vector<std::unique_ptr<AccountRecord>> accounts = take(plan);
    if (int(accounts.size()) != expected)
        std::abort();
    NoPrompts prompts;
    CQuorrilDoc doc(prompts);
    QSet<QString> titles;
    std::vector<std::unique_ptr<AccountRecord>> copies;
    for (const auto& account : accounts) {
        if (!account->IsCommitted() || !CQuorrilDoc::firstUnstorableField(*account).isEmpty())
            std::abort();
        if (titles.contains(titleKey(*account)))
            std::abort();
        titles.insert(titleKey(*account));
        copies.push_back(cloneAccount(*account));
    }
    doc.changeAccounts(QStringLiteral("Import"), std::move(copies));
    // The accounts as Quorril's KeePassXC CSV, imported again: the same accounts.
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QString error;
    if (!writeKeePassXcCsv(doc.accounts(), csv, error))
        std::abort();
    std::unique_ptr<ImportPlan> again = readPlan(csv.data(), ImportFormat::KeePassXcCsv);
    if (!again)
        std::abort();
    const std::vector<std::unique_ptr<AccountRecord>> back = take(*again);
    if (back.size() != accounts.size())
        std::abort();
    auto original = doc.accounts().begin();
    for (const auto& account : back) {
        const AccountCsvRow::Columns a = AccountCsvRow::encode(*account),
                                     b = AccountCsvRow::encode(*(original++)->second);
        if (a.group != b.group || a.title != b.title || a.username != b.username || a.password != b.password
            || a.url != b.url || a.notes != b.notes)
            std::abort();
    }
    // And they store as a wallet that loads whole.
    CQuorrilDoc loaded(prompts);
    loaded.loadClassicBytes(WalletFile::store(doc.contents()));
    if (loaded.accountCount() != doc.accountCount())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::optional<ImportFormat> format
        = data[0] < kImportFormats.size() ? std::optional(kImportFormats[data[0]]) : std::nullopt;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    ImportLimits limits;
    limits.fileBytes = 1 << 20;
    limits.textLength = 1 << 16;
    if (std::unique_ptr<ImportPlan> plan = readPlan(bytes, format, limits))
        check(*plan);
    return 0;
}
