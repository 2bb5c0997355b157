#include "accounts/FieldAccount.h"

#include "core/CArchive.h"

FieldAccount::FieldAccount(AccountId id, const RecordLayout& layout)
    : AccountRecord(id, layout.type)
    , m_layout(layout)
{
    m_values.reserve(layout.fields.size());
    for (const FieldSpec& field : layout.fields)
        m_values.push_back(defaultFieldValue(field.kind));
}

void FieldAccount::setField(int index, const FieldValue& value)
{
    // A value of another kind than the field's would break every later read of the field.
    if (index >= 0 && size_t(index) < m_values.size() && value.index() == m_values[size_t(index)].index())
        m_values[size_t(index)] = value;
}

void FieldAccount::Serialize(CArchive& ar)
{
    AccountRecord::Serialize(ar);
    if (ar.IsStoring()) {
        ar << qint32(1);
        for (int index : m_layout.fileOrder)
            std::visit([&ar](const auto& v) { ar << v; }, m_values[size_t(index)]);
        return;
    }
    qint32 version = 0;
    ar >> version;
    if (version != 1)
        return;
    for (int index : m_layout.fileOrder)
        std::visit([&ar](auto& v) { ar >> v; }, m_values[size_t(index)]);
}

QString FieldAccount::propertyLabel(int index) const
{
    return QString::fromLatin1(m_layout.fields[size_t(index)].label);
}

int FieldAccount::ListProperties(QStringList& names, QStringList& values) const
{
    AccountRecord::ListProperties(names, values);
    for (int index : m_layout.listOrder) {
        names << propertyLabel(index);
        values << formatFieldValue(m_values[size_t(index)]);
    }
    return int(names.size());
}
