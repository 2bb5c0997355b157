#pragma once

#include "accounts/AccountFactory.h"
#include "document/QuorrilDoc.h"
#include "support/ScriptedDocumentPrompts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

// A document with scripted prompts and a private folder for its files.
class DocumentFixture : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }

    static QByteArray readFile(const QString& filePath)
    {
        QFile f(filePath);
        if (!f.open(QIODevice::ReadOnly))
            return QByteArray("<unreadable>");
        return f.readAll();
    }

    // A committed account, as a dialog hands it over (type code and id as plain numbers).
    static std::unique_ptr<AccountRecord> account(qint32 type, qint32 id, const QString& title)
    {
        auto a = createAccount(AccountId(id), AccountType(type));
        a->SetTitle(title);
        a->SetCommitted();
        return a;
    }

    // Opens the file answering the password prompt with `password`.
    bool open(const QString& filePath, const QString& password)
    {
        prompts.addPassword(password);
        return doc.OnOpenDocument(filePath);
    }

    // Opens bytes written to a file, answering with `password`.
    bool openBytes(const QByteArray& bytes, const QString& password)
    {
        return open(writeFile(QStringLiteral("in.qrl"), bytes), password);
    }

    // "id:type:title" of every account, in id order.
    QStringList accountList() const
    {
        QStringList list;
        for (const auto& [id, a] : doc.accounts())
            list << QStringLiteral("%1:%2:%3").arg(idValue(id)).arg(typeCode(a->GetType())).arg(a->GetTitle());
        return list;
    }

    // Records every signal of the document in `events`, in order.
    void recordSignals()
    {
        QObject::connect(&doc, &CQuorrilDoc::modifiedChanged,
            [this](bool m) { events << QStringLiteral("modified %1").arg(int(m)); });
        QObject::connect(&doc, &CQuorrilDoc::pathChanged, [this](const QString& p) {
            events << QStringLiteral("path %1").arg(QDir(dir.path()).relativeFilePath(p));
        });
        QObject::connect(
            &doc, &CQuorrilDoc::lockChanged, [this](bool l) { events << QStringLiteral("lock %1").arg(int(l)); });
        QObject::connect(&doc, &CQuorrilDoc::viewsUpdated, [this] { events << QStringLiteral("views"); });
        QObject::connect(&doc, &CQuorrilDoc::documentReset, [this] { events << QStringLiteral("reset"); });
    }

    QStringList events;
    QTemporaryDir dir;
    ScriptedDocumentPrompts prompts;
    CQuorrilDoc doc { prompts };
};
