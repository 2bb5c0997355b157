#include "import/CsvReader.h"

#include "import/TextInput.h"

CsvReader::CsvReader(TextInput& input, const ImportLimits& limits)
    : m_input(input)
    , m_limits(limits)
{
}

QString CsvReader::error() const { return m_error.isEmpty() ? m_input.error() : m_error; }

bool CsvReader::fail(const QString& why)
{
    m_error = why;
    return false;
}

QString CsvReader::here() const { return QStringLiteral("row %1 (line %2)").arg(m_row).arg(m_recordLine); }

bool CsvReader::take(char16_t& c)
{
    if (m_pos == m_piece.size()) {
        m_pos = 0;
        if (!m_input.next(m_piece))
            return false;
    }
    c = m_piece.at(m_pos++).unicode();
    return true;
}

bool CsvReader::checkLength(const QString& field, State state)
{
    if (field.size() <= m_limits.textLength)
        return true;
    QString why = QStringLiteral("%1: a field longer than %2 characters").arg(here()).arg(m_limits.textLength);
    if (state == State::Quoted)
        why += QStringLiteral(" (is the quote opened on line %1 never closed?)").arg(m_quoteLine);
    return fail(why);
}

bool CsvReader::endField(QStringList& fields, QString& field)
{
    fields.append(field);
    field.clear();
    if (m_fieldCount > 0 && fields.size() > m_fieldCount)
        return fail(QStringLiteral("%1: more than the %2 fields of the header").arg(here()).arg(m_fieldCount));
    if (fields.size() > m_limits.columns && m_fieldCount == 0)
        return fail(QStringLiteral("%1: more than %2 fields").arg(here()).arg(m_limits.columns));
    return true;
}

bool CsvReader::next(QStringList& fields)
{
    fields.clear();
    if (!error().isEmpty())
        return false;
    QString field;
    State state = State::FieldStart;
    bool blank = true;
    ++m_row;
    m_recordLine = m_line;
    for (;;) {
        char16_t c = 0;
        if (!take(c)) {
            if (!error().isEmpty())
                return false;
            if (state == State::Quoted)
                return fail(QStringLiteral("%1: the quoted field opened on line %2 is never closed")
                                .arg(here())
                                .arg(m_quoteLine));
            if (blank) {
                --m_row;
                return false;
            }
            break;
        }
        const bool lineBreak = c == u'\r' || c == u'\n';
        if (c == u'\n' && m_afterCr) {
            // the second half of CR LF
            m_afterCr = false;
            if (state != State::Quoted)
                continue;
            field.append(QChar(c));
            continue;
        }
        m_afterCr = c == u'\r';
        if (lineBreak)
            ++m_line;

        if (state == State::Quoted) {
            if (c == u'"') {
                state = State::QuoteInQuoted;
                continue;
            }
            // A run of plain characters at once: most of a field is.
            const qsizetype start = m_pos - 1;
            if (!lineBreak)
                while (m_pos < m_piece.size() && m_piece.at(m_pos) != u'"' && m_piece.at(m_pos) != u'\r'
                    && m_piece.at(m_pos) != u'\n')
                    ++m_pos;
            field.append(QStringView(m_piece).mid(start, m_pos - start));
            if (!checkLength(field, state))
                return false;
            continue;
        }
        if (state == State::QuoteInQuoted) {
            if (c == u'"') {
                field.append(QChar(c));
                state = State::Quoted;
                continue;
            }
            if (c != u',' && !lineBreak)
                return fail(QStringLiteral("row %1 (line %2): a character after the closing quote of a field, "
                                           "where a comma or a line end is expected")
                                .arg(m_row)
                                .arg(m_line));
        }
        if (lineBreak) {
            if (blank) { // a blank line: no record
                ++m_row;
                m_recordLine = m_line;
                continue;
            }
            break;
        }
        blank = false;
        if (c == u',') {
            if (!endField(fields, field))
                return false;
            state = State::FieldStart;
            continue;
        }
        if (state == State::FieldStart && c == u'"') {
            state = State::Quoted;
            m_quoteLine = m_line;
            continue;
        }
        state = State::Unquoted;
        const qsizetype start = m_pos - 1;
        while (m_pos < m_piece.size() && m_piece.at(m_pos) != u',' && m_piece.at(m_pos) != u'\r'
            && m_piece.at(m_pos) != u'\n')
            ++m_pos;
        field.append(QStringView(m_piece).mid(start, m_pos - start));
        if (!checkLength(field, state))
            return false;
    }
    if (!endField(fields, field))
        return false;
    if (m_fieldCount > 0 && fields.size() != m_fieldCount)
        return fail(
            QStringLiteral("%1: %2 fields where the header has %3").arg(here()).arg(fields.size()).arg(m_fieldCount));
    return true;
}
