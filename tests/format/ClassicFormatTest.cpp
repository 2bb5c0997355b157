// The classic layout on its own: what a reader hands its sink and when, and how a writer groups the
// accounts it is lent. (Which groups each version holds is pinned through the document's open.)
#include "format/ClassicFormat.h"
#include "accounts/AccountFactory.h"
#include "accounts/EmailAccount.h"
#include "core/CArchive.h"
#include "document/FileBuilder.h"
#include "format/RecordingSink.h"
#include "format/WalletFile.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

QByteArray emptyGroups(int count) { return QByteArray(4 * count, '\0'); }

TEST(ClassicFormatTest, ReaderHandsOnEachPartAsSoonAsItIsRead)
{
    const QByteArray header = FileBuilder().header(2, 7, "pw").bytes();
    const QByteArray first = FileBuilder().i32(2).common(3, 10, "a").record("T", "x").bytes();
    // claims Bank, but sits in the Email group
    const QByteArray second = FileBuilder().common(5, 13, "b").record("T", "y").bytes();
    const QByteArray file = header + first + second + emptyGroups(9);
    const QStringList all = { "version 2", "next 7", "password pw", "file 3:10:a", "file 5:10:b" };

    // clang-format off
    const struct { const char* name; qsizetype cut, events; } rows[] = {
        { "inside the version", 2, 0 },
        { "inside the next id", 6, 1 },
        { "inside the password", header.size() - 1, 2 },
        { "inside the group count", header.size() + 2, 3 },
        { "inside the first record", header.size() + first.size() - 1, 3 },
        { "inside the second record", header.size() + first.size() + second.size() - 1, 4 },
        { "inside the last group count", file.size() - 1, 5 },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSink sink;
        EXPECT_THROW(WalletFile::load(file.left(row.cut), sink), CArchiveException);
        EXPECT_EQ(sink.events, all.mid(0, row.events));
    }
    RecordingSink sink;
    WalletFile::load(file, sink);
    EXPECT_EQ(sink.events, all);
    EXPECT_NE(dynamic_cast<const EmailAccount*>(sink.accounts.at(AccountId(5)).get()), nullptr);
}

TEST(ClassicFormatTest, WriterGroupsByTypeInTableOrderAndLeavesOutOtherCodes)
{
    AccountTable accounts;
    auto add = [&accounts](qint32 id, AccountType type, const char* title) {
        auto account = createAccount(AccountId(id), type);
        account->SetTitle(QString::fromLatin1(title));
        accounts[AccountId(id)] = std::move(account);
    };
    add(1, AccountType::Reference, "r");
    add(2, AccountType::Email, "e2");
    add(3, AccountType::Bank, "b");
    add(4, AccountType::Email, "e4");
    auto stray = createAccount(AccountId(5), AccountType::Bank);
    AccountBuilder::setType(*stray, AccountType(19));
    accounts[AccountId(5)] = std::move(stray);

    const ScrambledText password(QStringLiteral("pw"));
    const QByteArray bytes = WalletFile::store({ AccountId(9), password, accounts });

    auto stored = [&accounts](qint32 id) {
        QByteArray record;
        CArchive ar(&record);
        accounts.at(AccountId(id))->Serialize(ar);
        return record;
    };
    FileBuilder expected;
    expected.header(2, 9, "pw").i32(2).raw(stored(2)).raw(stored(4)); // Email, in id order
    expected.raw(emptyGroups(2)).i32(1).raw(stored(3)); // WebSite, Credit Card, Bank
    expected.raw(emptyGroups(5)).i32(1).raw(stored(1)); // ... Software, Reference
    EXPECT_EQ(bytes.toHex(), expected.bytes().toHex());

    RecordingSink sink;
    WalletFile::load(bytes, sink);
    EXPECT_EQ(sink.events,
        (QStringList {
            "version 2", "next 9", "password pw", "file 2:10:e2", "file 4:10:e4", "file 3:13:b", "file 1:20:r" }));
}

} // namespace
