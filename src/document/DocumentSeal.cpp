#include "document/DocumentSeal.h"

#include "accounts/AccountFactory.h"
#include "core/CArchive.h"
#include "core/SecretWipe.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

// The layout of the sealed bytes, read back only by the same program run that wrote them.
constexpr qint32 kLayoutVersion = 1;

void writeAccount(CArchive& ar, AccountRecord& account)
{
    ar << typeCode(account.GetType());
    account.Serialize(ar); // storing leaves the account as it is
}

std::unique_ptr<AccountRecord> readAccount(CArchive& ar)
{
    qint32 type = 0;
    ar >> type;
    std::unique_ptr<AccountRecord> account = createAccount(AccountId::None, AccountType(type));
    if (!account)
        throw CArchiveException(CArchiveException::BadFormat, "a sealed account of no known class");
    account->Serialize(ar);
    return account;
}

void writeHistory(CArchive& ar, ChangeStack::History& history)
{
    ar << qint32(history.steps.size()) << qint32(history.done) << qint32(history.clean ? qint32(*history.clean) : -1);
    for (Step& step : history.steps) {
        ar << step.name << qint32(step.serial & 0xFFFFFFFFu) << qint32(step.serial >> 32);
        ar << qint32(step.accounts.size());
        for (StepChange& change : step.accounts) {
            ar << idValue(change.id) << qint32(change.kind) << qint32(change.kept ? 1 : 0);
            if (change.kept)
                writeAccount(ar, *change.kept);
        }
        // Texts are written as they are, not scrambled: every character comes back.
        ar << qint32(step.password ? 1 : 0);
        if (step.password)
            ar.writeText(*step.password);
        ar << qint32(step.encrypted ? (*step.encrypted ? 2 : 1) : 0);
    }
}

qint32 readCount(CArchive& ar)
{
    qint32 count = 0;
    ar >> count;
    // Each entry takes at least four bytes: a larger count is damage, not a reason to reserve.
    if (count < 0 || count > ar.remaining() / 4)
        throw CArchiveException(CArchiveException::BadFormat, "a sealed count beyond the bytes");
    return count;
}

ChangeStack::History readHistory(CArchive& ar)
{
    ChangeStack::History history;
    const qint32 steps = readCount(ar);
    qint32 done = 0;
    qint32 clean = 0;
    ar >> done >> clean;
    history.done = size_t(std::clamp(done, 0, steps));
    if (clean >= 0)
        history.clean = size_t(clean);
    else
        history.clean.reset();
    for (qint32 i = 0; i < steps; ++i) {
        Step step;
        qint32 low = 0;
        qint32 high = 0;
        ar >> step.name >> low >> high;
        step.serial = quint64(quint32(low)) | (quint64(quint32(high)) << 32);
        const qint32 changes = readCount(ar);
        for (qint32 c = 0; c < changes; ++c) {
            qint32 id = 0;
            qint32 kind = 0;
            qint32 kept = 0;
            ar >> id >> kind >> kept;
            StepChange change { AccountId(id), StepChange::Kind(kind), nullptr };
            if (kept)
                change.kept = readAccount(ar);
            step.accounts.push_back(std::move(change));
        }
        qint32 has = 0;
        ar >> has;
        if (has) {
            QString password;
            ar >> password;
            step.password = std::move(password);
        }
        ar >> has;
        if (has)
            step.encrypted = has == 2;
        history.steps.push_back(std::move(step));
    }
    return history;
}

// Everything the seal holds, read back whole before any of it goes into the document.
struct Unsealed {
    QString password;
    bool forcedModified = false;
    std::vector<std::unique_ptr<AccountRecord>> accounts;
    ChangeStack::History history;
};

Unsealed readSealed(QByteArrayView bytes)
{
    CArchive ar(bytes);
    qint32 version = 0;
    ar >> version;
    if (version != kLayoutVersion)
        throw CArchiveException(CArchiveException::BadFormat, "an unknown sealed layout");
    Unsealed unsealed;
    qint32 forced = 0;
    ar >> unsealed.password >> forced;
    unsealed.forcedModified = forced != 0;
    const qint32 count = readCount(ar);
    for (qint32 i = 0; i < count; ++i)
        unsealed.accounts.push_back(readAccount(ar));
    unsealed.history = readHistory(ar);
    return unsealed;
}

} // namespace

void DocumentSeal::strip(AccountRecord& account)
{
    // Each user entry and text wipes its characters as it goes (ScrambledText).
    while (account.RemoveUserAt(account.GetUserCount() - 1)) { }
    const RecordLayout& layout = account.layout();
    for (size_t i = 0; i < layout.fields.size(); ++i)
        account.setField(int(i), defaultFieldValue(layout.fields[i].kind));
}

bool DocumentSeal::seal(AccountBook& table, ScrambledText& password, const KdfCost& cost, const KeyWork& work)
{
    bool forcedModified = false;
    ChangeStack::History history = table.sealHistory(forcedModified);
    QByteArray plain; // wiped as it grows, and at the end
    CArchive ar(&plain);
    ar << kLayoutVersion;
    ar.writeText(password.text());
    ar << qint32(forcedModified ? 1 : 0) << qint32(table.accounts().size());
    for (const auto& [id, account] : table.accounts())
        writeAccount(ar, *account);
    writeHistory(ar, history);

    QByteArray sealed;
    bool noMemory = false;
    work([&] {
        try {
            sealed = EncryptedFormat::seal(plain, password.text(), cost);
            m_sealed = SecureBuffer(size_t(sealed.size()));
        } catch (const std::bad_alloc&) {
            noMemory = true;
        }
    });
    SecretWipe::bytes(plain);
    if (noMemory) {
        m_sealed.reset();
        table.unsealHistory(std::move(history), forcedModified);
        return false;
    }
    std::memcpy(m_sealed.data(), sealed.constData(), size_t(sealed.size()));
    m_cost = cost;
    for (const auto& [id, account] : table.accounts())
        strip(*account);
    password = QString();
    // The history's steps, their accounts and old passwords are destroyed here, wiped as they go.
    return true;
}

DocumentSeal::Opened DocumentSeal::open(
    AccountBook& table, ScrambledText& password, const QString& typed, const KeyWork& work)
{
    EncryptedReader reader(m_sealed.view(), m_cost);
    EncryptedReader::Result result = EncryptedReader::Result::Damaged;
    work([&] { result = reader.unlock(typed); });
    if (result == EncryptedReader::Result::WrongPassword)
        return Opened::WrongPassword;
    if (result != EncryptedReader::Result::Opened)
        return Opened::Damaged;
    Unsealed unsealed;
    try {
        unsealed = readSealed(reader.classicBytes());
    } catch (const CArchiveException&) {
        return Opened::Damaged;
    } catch (const std::bad_alloc&) {
        return Opened::Damaged;
    }
    reader.wipe();
    for (std::unique_ptr<AccountRecord>& account : unsealed.accounts)
        table.refill(std::move(account));
    table.unsealHistory(std::move(unsealed.history), unsealed.forcedModified);
    password = unsealed.password;
    SecretWipe::text(unsealed.password);
    m_sealed.reset();
    return Opened::Yes;
}
