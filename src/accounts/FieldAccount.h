#pragma once

#include "core/AccountRecord.h"

#include <vector>

// An account whose own fields are described by a RecordLayout: storing, loading and listing all
// follow the layout's file and listing orders, so the ten account classes hold no code of their own
// for them. A type without a class of its own is a FieldAccount of its layout.
class FieldAccount : public AccountRecord {
public:
    FieldAccount(AccountId id, const RecordLayout& layout);

    void Serialize(CArchive& ar) override;
    int ListProperties(QStringList& names, QStringList& values) const override;

    const RecordLayout& layout() const override { return m_layout; }
    const FieldValue& field(int index) const override { return m_values[size_t(index)]; }
    void setField(int index, const FieldValue& value) override;

protected:
    QString text(int index) const { return std::get<ScrambledText>(m_values[size_t(index)]).text(); }
    void setText(int index, const QString& value) { std::get<ScrambledText>(m_values[size_t(index)]) = value; }
    OleDateTime date(int index) const { return std::get<OleDateTime>(m_values[size_t(index)]); }
    void setDate(int index, const OleDateTime& value) { m_values[size_t(index)] = value; }
    qint32 integer(int index) const { return std::get<qint32>(m_values[size_t(index)]); }
    void setInteger(int index, qint32 value) { m_values[size_t(index)] = value; }
    double decimal(int index) const { return std::get<double>(m_values[size_t(index)]); }
    void setDecimal(int index, double value) { m_values[size_t(index)] = value; }

private:
    const RecordLayout& m_layout;
    std::vector<FieldValue> m_values;
};

// Getter and setter pairs named after a field: QRL_TEXT_FIELD(Pin) gives GetPin() and SetPin().
#define QRL_TEXT_FIELD(Name)                                                                                           \
    QString Get##Name() const { return text(Name); }                                                                   \
    void Set##Name(const QString& value) { setText(Name, value); }
#define QRL_DATE_FIELD(Name)                                                                                           \
    OleDateTime Get##Name() const { return date(Name); }                                                               \
    void Set##Name(const OleDateTime& value) { setDate(Name, value); }
#define QRL_INTEGER_FIELD(Name)                                                                                        \
    qint32 Get##Name() const { return integer(Name); }                                                                 \
    void Set##Name(qint32 value) { setInteger(Name, value); }
#define QRL_DECIMAL_FIELD(Name)                                                                                        \
    double Get##Name() const { return decimal(Name); }                                                                 \
    void Set##Name(double value) { setDecimal(Name, value); }
