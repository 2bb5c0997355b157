// quorril-cli merge: the three-way and two-way forms, their exit codes, the passwords of each file,
// the container of the result, and every refusal leaving OURS as it was.
#include "cli/CliFixture.h"
#include "support/FileAccounts.h"

#include "document/FileBuilder.h"
#include "document/WalletText.h"
#include "format/WalletFile.h"

namespace {

const QStringList kBase = { "1|E|Mail|ann:1", "2|B|Bank|Savings" };
const QStringList kOurs = { "1|E|Mail|ann:2", "2|B|Bank|Savings", "3|R|Note|ours" };
const QStringList kTheirs = { "1|E|Mail|ann:1", "2|B|Bank|Checking", "3|R|Memo|theirs" };
// kOurs merged with kTheirs against kBase: Bank taken, Memo renumbered.
const QStringList kMerged = { "1|E|Mail|ann:2", "2|B|Bank|Checking", "3|R|Note|ours", "4|R|Memo|theirs" };
const QStringList kConflict = { "1|E|Mail|ann:3", "2|B|Bank|Savings" };

} // namespace

class CliMergeTest : public CliFixture {
protected:
    // A wallet of the accounts, saved under `password`, encrypted when asked.
    QString wallet(
        const QString& name, const QStringList& lines, const QString& password = "pw", bool encrypted = false)
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        for (const QString& line : lines)
            fileAccounts(doc, WalletText::account(line));
        doc.setPassword(password);
        doc.setKdfCost(EncryptedFormat::cheapestCost());
        doc.setEncrypted(encrypted);
        EXPECT_TRUE(doc.OnSaveDocument(path(name)));
        return path(name);
    }

    // The accounts of the wallet as it opens with the password; "refused" when it does not.
    QStringList accounts(const QString& file, const QString& password = "pw")
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        prompts.addPassword(password);
        return doc.OnOpenDocument(file) ? WalletText::lines(doc.accounts()) : QStringList { "refused" };
    }
};

TEST_F(CliMergeTest, MergesIntoOursAndExitsByConflicts)
{
    const QDate day(2026, 12, 10);
    const QString mark = " (conflict 2026-12-10)";
    using C = WalletFile::Container;
    // clang-format off
    const struct { const char* name; QStringList base, ours, theirs; bool encryptedTheirs; QStringList result; int status; C written; QString out; } rows[] = {
        { "three-way",                kBase, kOurs, kTheirs, false, kMerged, 0, C::Classic,
          "Merged: 1 taken, 0 kept twice, 0 added, 0 deleted, 1 renumbered\n" },
        { "three-way, kept twice",    kBase, kOurs, kConflict, false, kOurs + QStringList { "4|E|Mail" + mark + "|ann:3" }, 1, C::Classic,
          "Merged: 0 taken, 1 kept twice, 0 added, 0 deleted, 0 renumbered\nKept twice: Email \"Mail" + mark + "\" (id 4)\n" },
        { "two-way",                  {}, kOurs, { "1|E|Mail|ann:2", "2|B|Bank|Checking", "5|R|Memo|theirs" }, false,
          kOurs + QStringList { "5|R|Memo|theirs", "6|B|Bank" + mark + "|Checking" }, 1, C::Classic,
          "Merged: 0 taken, 1 kept twice, 1 added, 0 deleted, 0 renumbered\nKept twice: Bank \"Bank" + mark + "\" (id 6)\n" },
        { "empty base: two-way",      { "empty" }, kOurs, { "7|S|Editor|k" }, false, kOurs + QStringList { "7|S|Editor|k" }, 0, C::Classic,
          "Merged: 0 taken, 0 kept twice, 1 added, 0 deleted, 0 renumbered\n" },
        { "encrypted theirs raises",  kBase, kOurs, kTheirs, true, kMerged, 0, C::Encrypted,
          "Merged: 1 taken, 0 kept twice, 0 added, 0 deleted, 1 renumbered\n" + path("ours.qrl") + " is now encrypted, as " + path("theirs.qrl") + " was\n" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QStringList arguments
            = { "merge", wallet("ours.qrl", row.ours), wallet("theirs.qrl", row.theirs, "pw", row.encryptedTheirs) };
        if (row.base == QStringList { "empty" })
            arguments.insert(1, writeFile("base.qrl", {}));
        else if (!row.base.isEmpty())
            arguments.insert(1, wallet("base.qrl", row.base));
        setToday(day);
        const Run r = run(arguments, { "pw" });
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        EXPECT_EQ(r.out, row.out);
        EXPECT_EQ(r.err, QString());
        EXPECT_EQ(accounts(path("ours.qrl")), row.result);
        EXPECT_EQ(WalletFile::containerOf(readFile(path("ours.qrl"))), row.written);
        // Merging once more finds everything merged.
        const QByteArray merged = readFile(path("ours.qrl"));
        EXPECT_EQ(run(arguments, { "pw" }).status, 0);
        EXPECT_EQ(readFile(path("ours.qrl")), merged) << "nothing written when nothing changes";
    }
}

TEST_F(CliMergeTest, PasswordsOfEachFile)
{
    // The first password opens OURS; a file it does not open takes the next line.
    // clang-format off
    const struct { const char* name; QString oursPassword, theirsPassword; bool encryptedTheirs; QStringList script; int status; QString readWith; } rows[] = {
        { "one password",               "pw", "pw",    false, { "pw" },          0, "pw" },
        { "theirs has its own",         "pw", "other", false, { "pw", "other" }, 0, "pw" },
        { "theirs' password first",     "pw", "other", false, { "other", "pw" }, 0, "pw" },
        { "encrypted theirs' password", "pw", "other", true,  { "pw", "other" }, 0, "other" },
        { "no second password",         "pw", "other", false, { "pw" },          1, "" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString ours = wallet("ours.qrl", kOurs, row.oursPassword);
        const QString theirs = wallet("theirs.qrl", kTheirs, row.theirsPassword, row.encryptedTheirs);
        const QByteArray before = readFile(ours);
        const Run r = run({ "merge", wallet("base.qrl", kBase, row.theirsPassword), ours, theirs }, row.script);
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        if (row.readWith.isEmpty()) {
            EXPECT_EQ(r.err, "quorril-cli: " + theirs + ": You Do Not have ownership of this document !\n");
            EXPECT_EQ(readFile(ours), before) << "nothing written";
            continue;
        }
        EXPECT_EQ(accounts(ours, row.readWith), kMerged);
        EXPECT_EQ(accounts(ours, row.readWith == "pw" ? "other" : "pw"), QStringList { "refused" });
    }
}

TEST_F(CliMergeTest, RefusalsWriteNothing)
{
    const QString ours = wallet("ours.qrl", kOurs);
    const QString theirs = wallet("theirs.qrl", kTheirs);
    const QString base = wallet("base.qrl", kBase);
    const QString encrypted = wallet("encrypted.qrl", kTheirs, "pw", true);
    const QByteArray oursBytes = readFile(ours), encryptedBytes = readFile(encrypted);
    FileBuilder version3;
    version3.header(3, 1, "pw");
    const QString damaged = writeFile("damaged.qrl", oursBytes.chopped(5));
    const QString damagedSealed = writeFile("sealed.qrl", encryptedBytes.chopped(1));
    const QString unknown = writeFile("v3.qrl", version3.bytes());
    const QString invalid = ": Invalid File Format !\n";
    // clang-format off
    const struct { QStringList files; QStringList script; int status; QString err; } rows[] = {
        { { base, ours, theirs },              { "PW" }, 1, "quorril-cli: " + ours + ": You Do Not have ownership of this document !\n" },
        { { base, ours, theirs },              { "" },   1, "Password Must Not Be Empty !\n" },
        { { base, ours, damaged },             { "pw" }, 3, "quorril-cli: " + damaged + invalid },
        { { damaged, ours, theirs },           { "pw" }, 3, "quorril-cli: " + damaged + invalid },
        { { ours, damagedSealed },             { "pw" }, 3, "quorril-cli: " + damagedSealed + invalid },
        { { unknown, ours, theirs },           { "pw" }, 3, "quorril-cli: " + unknown + ": file version 3 is not read whole by this program; nothing written\n" },
        { { path("none.qrl"), ours, theirs },  { "pw" }, 2, "quorril-cli: Cannot open " + path("none.qrl") + ": No such file or directory.\n" },
        { { ours, dir.path() },                { "pw" }, 2, "quorril-cli: Cannot open " + dir.path() + ": Is a directory.\n" },
        { { ours },                            { "pw" }, 2, "" },
        { { base, ours, theirs, theirs },      { "pw" }, 2, "" },
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.files.join(u' ').toStdString());
        const Run r = run(QStringList { "merge" } + row.files, row.script);
        EXPECT_EQ(r.status, row.status);
        if (row.err.isEmpty())
            EXPECT_TRUE(r.err.startsWith("quorril-cli: expected one of")) << r.err.toStdString();
        else
            EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(r.out, QString());
        EXPECT_EQ(readFile(ours), oursBytes) << "nothing written";
    }
    EXPECT_EQ(readFile(encrypted), encryptedBytes);
}
