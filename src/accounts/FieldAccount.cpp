#include "accounts/FieldAccount.h"

#include "accounts/PropertyRows.h"
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
    serializeFields(ar, m_layout.fileOrder, m_values);
}

int FieldAccount::ListProperties(QStringList& names, QStringList& values) const
{
    forEachPropertyRow(*this, [&names, &values](const PropertyRow& row) {
        names << row.label;
        values << row.value;
        return true;
    });
    return int(names.size());
}
