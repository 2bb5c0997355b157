#include "import/JsonImportHandler.h"

#include "accounts/AccountFactory.h"
#include "core/AccountTypes.h"

namespace JsonImport {

// --- accounts ---

void WalletHandler::beginAccount()
{
    m_id = m_type = m_title = m_committed = Scalar();
    m_fields.clear();
    m_users.clear();
    m_userCount = 0;
    m_problems.clear();
}

void WalletHandler::accountValue(Scalar value)
{
    const std::string_view key = m_key;
    if (key == "id")
        m_id = std::move(value);
    else if (key == "type")
        m_type = std::move(value);
    else if (key == "title")
        m_title = std::move(value);
    else if (key == "committed")
        m_committed = std::move(value);
    else if (key == "users")
        m_problems.note(Users, { QStringLiteral("users"), QStringLiteral("a list is expected") });
    else if (key == "fields")
        m_problems.note(Fields, { QStringLiteral("fields"), QStringLiteral("an object is expected") });
    else if (key != "typeName" && key != "properties")
        m_problems.note(UnknownKey, { nameOf(key), QStringLiteral("no such field") });
}

bool WalletHandler::endAccount()
{
    const std::optional<qint32> id = int32From(m_id);
    if (!id)
        m_problems.note(Id, { QStringLiteral("id"), wholeNumberExpected() });
    const std::optional<qint32> type = int32From(m_type);
    if (!type || !isAccountType(AccountType(*type)))
        m_problems.note(
            Type, { QStringLiteral("type"), QStringLiteral("one of the account types 10 to 18 and 20 is expected") });
    QString what;
    std::optional<QString> title = m_title.type == Scalar::None ? QString() : storableText(m_title, what);
    if (!title)
        m_problems.note(Title, { QStringLiteral("title"), what });
    const std::optional<qint32> committed = m_committed.type == Scalar::None ? qint32(1) : int32From(m_committed);
    if (!committed)
        m_problems.note(Committed, { QStringLiteral("committed"), wholeNumberExpected() });

    std::unique_ptr<AccountRecord> account;
    if (!m_problems.first()) {
        account = createAccount(AccountId(*id), AccountType(*type));
        account->SetTitle(*title);
        AccountBuilder::setCommittedFlag(*account, *committed);
        setFields(*account);
    }
    if (const Problem* p = m_problems.first()) {
        QString name = QStringLiteral("accounts[%1]").arg(m_accountCount - 1);
        if (id)
            name += QStringLiteral(" (id %1)").arg(*id);
        return fail(QStringLiteral("%1, field \"%2\": %3").arg(name, p->field, p->what));
    }
    for (auto& user : m_users)
        AccountBuilder::appendUser(*account, std::move(user));
    m_users.clear();
    accounts.push_back(std::move(account));
    return true;
}

void WalletHandler::setFields(AccountRecord& account)
{
    const RecordLayout& layout = account.layout();
    for (const PendingField& field : m_fields) {
        int index = int(layout.fields.size());
        while (--index >= 0 && field.name != layout.fields[size_t(index)].name) { }
        if (index < 0) {
            m_problems.note(Fields,
                { nameOf(field.name), QStringLiteral("no such field in a %1 account").arg(account.GetTypeName()) });
            return;
        }
        QString what;
        std::optional<FieldValue> value = fieldFrom(layout.fields[size_t(index)].kind, field, what);
        if (!value) {
            m_problems.note(Fields, { nameOf(field.name), what });
            return;
        }
        account.setField(index, *value);
    }
}

// --- users ---

void WalletHandler::beginUser()
{
    for (Scalar& s : m_user)
        s = Scalar();
    m_userProblems.clear();
}

void WalletHandler::userValue(Scalar value)
{
    const int index = UserEntry::Layout().indexOf(QUtf8StringView(m_key.data(), qsizetype(m_key.size())));
    if (index >= 0)
        m_user[size_t(index)] = std::move(value);
    else
        m_userProblems.note(UserKey, { nameOf(m_key), QStringLiteral("no such field") });
}

void WalletHandler::endUser()
{
    // A field left out keeps the value a new user starts with: empty texts, no administrator.
    const RecordLayout& layout = UserEntry::Layout();
    auto user = std::make_unique<UserEntry>(0, QString(), QString(), QString());
    for (int i = 0; i < int(layout.fields.size()); ++i) {
        const FieldSpec& field = layout.fields[size_t(i)];
        if (m_user[size_t(i)].type == Scalar::None)
            continue;
        PendingField pending;
        pending.value = m_user[size_t(i)];
        QString what;
        if (const std::optional<FieldValue> value = fieldFrom(field.kind, pending, what))
            user->setField(i, *value);
        else
            m_userProblems.note(FirstUserField + i, { QLatin1StringView(field.name), what });
    }
    if (const Problem* p = m_userProblems.first()) {
        m_problems.note(Users, { QStringLiteral("users[%1].%2").arg(m_userCount - 1).arg(p->field), p->what });
        return;
    }
    if (!m_problems.first())
        m_users.push_back(std::move(user));
}

} // namespace JsonImport
