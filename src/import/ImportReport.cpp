#include "import/ImportReport.h"

#include "core/AccountTypes.h"
#include "import/ImportPlan.h"

#include <QTextStream>

namespace {

QString labelCounts(const std::map<QString, int>& counts)
{
    QStringList parts;
    for (const auto& [label, count] : counts)
        parts.append(QStringLiteral("%1 %2").arg(label).arg(count));
    return parts.join(QStringLiteral(", "));
}

QString rowLine(const ImportRow& row) { return QStringLiteral("  %1 (\"%2\")").arg(row.where, row.sourceTitle); }

} // namespace

QString refusedRowsText(const ImportPlan& plan)
{
    QString text;
    for (int index : plan.summary().refusedRows) {
        const ImportRow row = plan.row(index);
        text += rowLine(row) + QStringLiteral(": ") + row.refusal + u'\n';
    }
    return text;
}

QString importReport(const ImportPlan& plan)
{
    const ImportSummary& summary = plan.summary();
    QString text;
    QTextStream out(&text);
    out << "Format: " << importFormatName(plan.format()) << '\n';
    for (const QString& notice : plan.notices())
        out << "Note: " << notice << '\n';
    out << "Rows read: " << summary.rows << '\n';
    out << "Accounts to add: " << summary.accountCount() << '\n';
    for (AccountType type : kAccountTypes) {
        const auto it = summary.accounts.find(type);
        if (it == summary.accounts.end())
            continue;
        out << "  " << accountTypeName(type) << ": " << it->second;
        if (type == AccountType::Reference && summary.moreAccounts > 0)
            out << " (" << summary.moreAccounts << " of them \"(more)\" accounts)";
        out << '\n';
    }
    if (!summary.toNotes.empty())
        out << "Values placed in notes: " << labelCounts(summary.toNotes) << '\n';
    if (!summary.toMore.empty())
        out << (plan.moreAccounts() ? "Values placed in \"(more)\" accounts: "
                                    : "Values left out (\"(more)\" accounts are switched off): ")
            << labelCounts(summary.toMore) << '\n';
    if (!summary.renamedRows.empty()) {
        out << "Renamed titles (taken in their type): " << summary.renamedRows.size() << '\n';
        for (int index : summary.renamedRows) {
            const ImportRow row = plan.row(index);
            out << rowLine(row) << " becomes \"" << row.title << "\" (" << accountTypeName(row.type) << ")\n";
        }
    }
    if (!summary.moreRows.empty()) {
        out << "\"(more)\" accounts: " << summary.moreRows.size() << '\n';
        for (int index : summary.moreRows) {
            const ImportRow row = plan.row(index);
            out << rowLine(row) << ": \"" << row.moreTitle << "\" holds " << row.toMore.join(QStringLiteral(", "))
                << '\n';
        }
    }
    if (!summary.refusedRows.empty()) {
        out << "Refused rows: " << summary.refusedRows.size()
            << (plan.skipRefused() ? " (left out)" : " (nothing is imported unless they are skipped)") << '\n';
        out << refusedRowsText(plan);
    }
    for (const QString& skipped : plan.skipped())
        out << "Left out: " << skipped << '\n';
    const QString leavesOut = importFormatLeavesOut(plan.format());
    if (!leavesOut.isEmpty())
        out << "Never imported from this format: " << leavesOut << '\n';
    out.flush();
    return text;
}
