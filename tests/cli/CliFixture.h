#pragma once

#include "cli/CliCommands.h"
#include "core/Clock.h"
#include "document/QuorrilDoc.h"
#include "document/SampleWallet.h"
#include "support/ScriptedDocumentPrompts.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// Runs commands of the command-line program in-process: standard output and error are captured,
// and every password request takes the next scripted answer (nothing when the script is empty).
// Each run returns the passwords it did not use in `unusedPasswords`.
class CliFixture : public ::testing::Test {
protected:
    struct Run {
        int status;
        QString out;
        QString err;
    };

    Run run(const QStringList& arguments, QStringList passwords = {})
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        CliIo io { outStream, errStream, [&passwords](bool) -> std::optional<QString> {
                      if (passwords.isEmpty())
                          return std::nullopt;
                      return passwords.takeFirst();
                  } };
        // Encrypted wallets at the cheapest key derivation: a test never waits for the real one.
        io.kdfCost = EncryptedFormat::cheapestCost();
        const int status = runCli(arguments, io);
        unusedPasswords = passwords;
        outStream.flush();
        errStream.flush();
        return { status, out, err };
    }

    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    static QByteArray readFile(const QString& filePath)
    {
        QFile f(filePath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    // A wallet with accounts of every type, written by the document, with password "pw".
    QString sampleWallet(const QString& name = QStringLiteral("sample.qrl"))
    {
        ScriptedDocumentPrompts prompts;
        CQuorrilDoc doc(prompts);
        addSampleAccounts(doc);
        prompts.addPassword(QStringLiteral("pw"));
        EXPECT_TRUE(doc.OnSaveDocument(path(name)));
        return path(name);
    }

    QTemporaryDir dir;
    QStringList unusedPasswords;
    // The date of merges' conflict titles.
    void setToday(QDate day)
    {
        if (!clock)
            clock.emplace();
        clock->setToday(day);
    }
    std::optional<Clock::Fake> clock; // the real one until a test sets the day
};
