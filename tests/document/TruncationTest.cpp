// A valid file cut at every byte offset: each cut ends in "Invalid File Format !" and keeps exactly
// the accounts whose records were complete before the cut.
#include "core/CArchive.h"
#include "document/DocumentFixture.h"
#include "document/SampleWallet.h"

#include <set>

using TruncationTest = DocumentFixture;

TEST_F(TruncationTest, EveryCutKeepsTheAccountsCompletedBeforeIt)
{
    addSampleAccounts(doc, 1);
    prompts.addPassword("pw");
    ASSERT_TRUE(doc.OnSaveDocument(path("w.qrl")));
    const QByteArray file = readFile(path("w.qrl"));

    // Where each record ends, worked out from the accounts themselves: the header, then per group
    // its count and its records in id order.
    QByteArray header;
    CArchive headerArchive(&header);
    headerArchive << qint32(2) << qint32(0) << ScrambledText("pw");
    qsizetype offset = header.size();
    std::vector<std::pair<qsizetype, AccountId>> recordEnds; // end offset, account id
    for (AccountType type : kAccountTypes) {
        offset += 4;
        for (const auto& [id, a] : doc.accounts()) {
            if (a->GetType() != type)
                continue;
            QByteArray record;
            CArchive ar(&record);
            a->Serialize(ar);
            offset += record.size();
            recordEnds.emplace_back(offset, id);
        }
    }
    ASSERT_EQ(offset, file.size());
    ASSERT_EQ(recordEnds.size(), 10u);

    for (qsizetype cut = 1; cut < file.size(); ++cut) {
        SCOPED_TRACE(cut);
        prompts.shown.clear();
        prompts.addPassword("pw");
        const bool opened = doc.openFromBytes(file.left(cut), path("w.qrl"));
        if (cut < header.size()) {
            ASSERT_FALSE(opened);
            ASSERT_EQ(prompts.shown,
                (QStringList {
                    "Invalid File Format !", "[password verify]", "You Do Not have ownership of this document !" }));
            ASSERT_EQ(doc.accountCount(), 0);
            continue;
        }
        ASSERT_TRUE(opened);
        ASSERT_EQ(prompts.shown, (QStringList { "Invalid File Format !", "[password verify]" }));
        std::set<AccountId> expected;
        for (const auto& [end, id] : recordEnds)
            if (end <= cut)
                expected.insert(id);
        std::set<AccountId> kept;
        for (const auto& [id, a] : doc.accounts())
            kept.insert(id);
        ASSERT_EQ(kept, expected);
        ASSERT_EQ(doc.GetPathName(), QString());
    }
}
