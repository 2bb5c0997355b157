#pragma once

#include "support/Bytes.h"

#include <QByteArray>
#include <QString>

// Builds ".qrl" files by hand, field by field, as the file format tables lay them out, on top of
// the value encodings of Bytes. Tests compare what the document writes with these bytes and feed
// them to the loader.
class FileBuilder {
public:
    FileBuilder& i32(qint32 v)
    {
        m_bytes.i32(v);
        return *this;
    }
    FileBuilder& f64(double v)
    {
        m_bytes.f64(v);
        return *this;
    }
    FileBuilder& date(qint32 status, double value)
    {
        m_bytes.date(status, value);
        return *this;
    }
    // A stored text: the scrambled form of `plain`.
    FileBuilder& text(const QString& plain)
    {
        m_bytes.stored(plain);
        return *this;
    }
    FileBuilder& raw(const QByteArray& bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    FileBuilder& header(qint32 version, qint32 nextId, const QString& password)
    {
        return i32(version).i32(nextId).text(password);
    }
    // The common block of an account with no users.
    FileBuilder& common(qint32 id, qint32 type, const QString& title, qint32 committed = 1)
    {
        return i32(1).i32(id).i32(type).text(title).i32(committed).i32(0);
    }
    // A record block whose fields are given by kind in file order: T text, D date, I int32,
    // F double. Texts are "<tag><n>" (n counting the texts from 0), dates and numbers are 0.
    FileBuilder& record(const char* kinds, const QString& tag = QString())
    {
        i32(1);
        int n = 0;
        for (const char* k = kinds; *k; ++k) {
            switch (*k) {
            case 'T':
                text(tag.isEmpty() ? QString() : tag + QString::number(n++));
                break;
            case 'D':
                date(0, 0.0);
                break;
            case 'I':
                i32(0);
                break;
            case 'F':
                f64(0.0);
                break;
            }
        }
        return *this;
    }
    const QByteArray& bytes() const { return m_bytes.data(); }
    qsizetype size() const { return m_bytes.data().size(); }

private:
    Bytes m_bytes;
};

// The record block of each type as the file format tables give it: the kinds of its fields in
// file order, in group order (Email, WebSite, Credit Card, Bank, Insurance, Medical, Calling Card,
// Purchased Item, Software, Reference).
struct TypeKinds {
    qint32 type;
    const char* kinds;
};
inline constexpr TypeKinds kFileKinds[] = {
    { 10, "T" },
    { 11, "TTTTTTTT" },
    { 12, "TTTTDFTT" },
    { 13, "TTTTTTT" },
    { 14, "TTTTDTT" },
    { 15, "TTTTTDTTTTT" },
    { 16, "TTTTIT" },
    { 17, "TTTTDDTTT" },
    { 18, "TTTTTT" },
    { 20, "DTT" },
};
