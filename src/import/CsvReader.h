#pragma once

#include "import/ImportLimits.h"

#include <QString>
#include <QStringList>

class TextInput;

// Records of a CSV text as RFC 4180 has them: fields separated by commas, a field in double quotes may
// hold commas, line breaks and doubled quotes; records end at CR LF, LF or CR. A blank line holds no
// record. Fields keep their characters exactly (line breaks inside quotes included). Once the number
// of fields is set (from the header), a record with another number is refused.
class CsvReader {
public:
    CsvReader(TextInput& input, const ImportLimits& limits);

    // The fields of the next record; false at the end or on an error (error() tells which).
    bool next(QStringList& fields);
    // The record just read: its row as a spreadsheet counts them (the first line is row 1) and the
    // line it starts on.
    qint64 row() const { return m_row; }
    qint64 line() const { return m_recordLine; }
    void setFieldCount(int count) { m_fieldCount = count; }
    // Why reading stopped early; empty at a clean end.
    QString error() const;

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    // The next character, or false at the end of the input.
    bool take(char16_t& c);
    bool fail(const QString& why);
    bool endField(QStringList& fields, QString& field);
    bool checkLength(const QString& field, State state);
    QString here() const;

    TextInput& m_input;
    const ImportLimits& m_limits;
    QString m_piece;
    qsizetype m_pos = 0;
    qint64 m_row = 0;
    qint64 m_line = 1; // of the next character
    qint64 m_recordLine = 1;
    qint64 m_quoteLine = 0;
    bool m_afterCr = false;
    int m_fieldCount = 0;
    QString m_error;
};
