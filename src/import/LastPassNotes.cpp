#include "import/LastPassNotes.h"

#include "import/ImportMapping.h"

#include <QDate>
#include <QLocale>

namespace {

struct NoteKey {
    const char* key;
    Slot slot;
};

struct NoteType {
    const char* name;
    EntryKind kind;
    std::initializer_list<NoteKey> keys;
};

// clang-format off
const NoteType kNoteTypes[] = {
    { "Credit Card", EntryKind::Card, {
        { "Name on Card", Slot::Holder }, { "Type", Slot::Kind }, { "Number", Slot::Number },
        { "Expiration Date", Slot::Expiry } } },
    { "Bank Account", EntryKind::BankAccount, {
        { "Bank Name", Slot::Institution }, { "Account Type", Slot::Kind }, { "Routing Number", Slot::RoutingNumber },
        { "Account Number", Slot::Number }, { "Pin", Slot::Pin }, { "Branch Phone", Slot::Phone } } },
    { "Insurance", EntryKind::Insurance, {
        { "Company", Slot::Institution }, { "Policy Type", Slot::Kind }, { "Policy Number", Slot::Number },
        { "Expiration", Slot::Expiry }, { "Agent Phone", Slot::Phone } } },
    { "Software License", EntryKind::SoftwareLicence, {
        { "License Key", Slot::LicenceKey }, { "Version", Slot::Version }, { "Publisher", Slot::Institution },
        { "Website", Slot::Url } } },
    { "Email Account", EntryKind::EmailAccount, {
        { "Username", Slot::UserName }, { "Password", Slot::Password }, { "Server", Slot::Url } } },
};
// clang-format on

const QString kNoteType = QStringLiteral("NoteType:");
const QString kNotes = QStringLiteral("Notes:");

} // namespace

QString lastPassDate(const QString& text)
{
    const QStringList parts = text.split(u',');
    if (parts.size() < 2 || parts.size() > 3)
        return text;
    int month = 0;
    for (int m = 1; m <= 12 && month == 0; ++m)
        if (parts[0].trimmed().compare(QLocale::c().monthName(m), Qt::CaseInsensitive) == 0)
            month = m;
    bool yearOk = false, dayOk = parts.size() == 2;
    const int year = parts.last().trimmed().toInt(&yearOk);
    const int day = parts.size() == 3 ? parts[1].trimmed().toInt(&dayOk) : 1;
    const QDate date(year, month, day);
    if (!month || !yearOk || !dayOk || !date.isValid())
        return text;
    return date.toString(parts.size() == 2 ? QStringLiteral("yyyy-MM") : QStringLiteral("yyyy-MM-dd"));
}

void readLastPassNote(const QString& extra, ImportEntry& entry)
{
    entry.kind = EntryKind::Note;
    if (!extra.startsWith(kNoteType)) {
        entry.add(Slot::Notes, QStringLiteral("Notes"), extra);
        return;
    }
    // "Key:Value" lines up to "Notes:", whose value is the rest of the text.
    QString notes;
    std::vector<std::pair<QString, QString>> lines;
    qsizetype pos = 0;
    while (pos < extra.size()) {
        if (QStringView(extra).mid(pos).startsWith(kNotes)) {
            notes = extra.mid(pos + kNotes.size());
            break;
        }
        qsizetype end = extra.indexOf(u'\n', pos);
        if (end < 0)
            end = extra.size();
        QString line = extra.mid(pos, end - pos);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            lines.emplace_back(line.left(colon), line.mid(colon + 1));
        else if (!lines.empty()) // a value on several lines
            lines.back().second += u'\n' + line;
        else
            lines.emplace_back(QStringLiteral("Line"), line);
        pos = end + 1;
    }
    const QString typeName = lines.front().second;
    const NoteType* type = nullptr;
    for (const NoteType& t : kNoteTypes)
        if (typeName == QLatin1StringView(t.name))
            type = &t;
    if (type)
        entry.kind = type->kind;
    else
        entry.add(Slot::Extra, QStringLiteral("Type"), typeName);
    entry.add(Slot::Notes, QStringLiteral("Notes"), notes);
    for (size_t i = 1; i < lines.size(); ++i) {
        const auto& [key, value] = lines[i];
        if (key == QLatin1StringView("Language"))
            continue; // LastPass's own bookkeeping
        Slot slot = Slot::Extra;
        if (type)
            for (const NoteKey& k : type->keys)
                if (key == QLatin1StringView(k.key))
                    slot = k.slot;
        const QString text = slot == Slot::Expiry                 ? lastPassDate(value)
            : slot == Slot::Kind && entry.kind == EntryKind::Card ? ImportMapping::cardKind(value)
                                                                  : value;
        entry.add(slot, key, text);
    }
}
