#pragma once

// The values of a wallet's JSON as import reads them, and how they become a wallet's values.

#include "core/AccountFields.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace JsonImport {

// A value that is not a container, or what stands for one: absent (None) or of no use (Other).
struct Scalar {
    enum Type { None, String, Number, Other } type = None;
    QString text;
    double number = 0;
};

struct Problem {
    QString field;
    QString what;
};

// The first problem of each kind; the kind listed first is the one reported.
template <int N> class Problems {
public:
    void note(int kind, Problem problem)
    {
        if (!m_problems[size_t(kind)])
            m_problems[size_t(kind)] = std::move(problem);
    }
    const Problem* first() const
    {
        for (const auto& p : m_problems)
            if (p)
                return &*p;
        return nullptr;
    }
    void clear() { m_problems = {}; }

private:
    std::array<std::optional<Problem>, N> m_problems;
};

QString wholeNumberExpected();

std::optional<qint32> int32From(const Scalar& value);

// A number, or one of the texts that stand for what JSON cannot hold.
std::optional<double> numberFrom(const Scalar& value);

// A text that reads back as it is; otherwise the problem.
std::optional<QString> storableText(const Scalar& value, QString& what);

// The field of a date: {"status": whole number, "value": number}.
struct PendingField {
    std::string_view name;
    Scalar value; // Other for a date
    bool isDate = false;
    int dateMembers = 0;
    Scalar status, days;
};

std::optional<FieldValue> fieldFrom(FieldKind kind, const PendingField& field, QString& what);

QString nameOf(std::string_view key);

} // namespace JsonImport
