#include "app/ImportCommands.h"

#include "app/CommandIds.h"
#include "app/ImportPreviewDlg.h"
#include "app/MainFrame.h"
#include "dialogs/CloseOnLock.h"
#include "dialogs/UiPrompts.h"
#include "document/FileAccess.h"
#include "document/QuorrilDoc.h"
#include "import/CsvExportWriter.h"
#include "import/FormatReaders.h"
#include "import/Importer.h"
#include "import/JsonExportWriter.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace {
constexpr int kStatusMilliseconds = 10000;

// Every format read first (the dialog starts with it), then each by name, then any file.
QStringList importFilters()
{
    QStringList filters;
    QStringList patterns;
    for (ImportFormat format : kImportFormats) {
        const QString filter = importFormatFilter(format);
        filters.append(filter);
        const qsizetype open = filter.lastIndexOf(u'(');
        for (const QString& pattern : filter.mid(open + 1).chopped(1).split(u' ', Qt::SkipEmptyParts))
            if (!patterns.contains(pattern))
                patterns.append(pattern);
    }
    filters.prepend(ImportCommands::tr("Every format Quorril imports (%1)").arg(patterns.join(u' ')));
    filters.append(ImportCommands::tr("All Files (*)"));
    return filters;
}
} // namespace

ImportCommands::ImportCommands(CMainFrame& frame)
    : QObject(&frame)
    , m_frame(frame)
{
    connect(m_frame.action(ID_FILE_IMPORT), &QAction::triggered, this, &ImportCommands::OnFileImport);
    connect(m_frame.action(ID_FILE_EXPORT), &QAction::triggered, this, &ImportCommands::OnFileExport);
}

void ImportCommands::updateState()
{
    const bool open = !m_frame.document().IsLocked();
    m_frame.action(ID_FILE_IMPORT)->setEnabled(open);
    m_frame.action(ID_FILE_EXPORT)->setEnabled(open);
}

QStringList ImportCommands::exportFilters() { return { tr("Quorril JSON (*.json)"), tr("KeePassXC CSV (*.csv)") }; }

void ImportCommands::OnFileImport()
{
    if (m_frame.document().IsLocked())
        return;
    const QString path = m_frame.prompts().importFileName(importFilters());
    if (!path.isEmpty())
        importFile(path);
}

int ImportCommands::importFile(const QString& path)
{
    CQuorrilDoc& doc = m_frame.document();
    UiPrompts& prompts = m_frame.prompts();
    const QString name = QFileInfo(path).fileName();
    // The format comes from the content, whatever filter the dialog showed.
    ImportRead read = Importer::readFile(path, std::nullopt);
    if (!read.plan) {
        prompts.notice(tr("Nothing was imported from %1.").arg(name), read.error);
        return 0;
    }
    ImportPlan& plan = *read.plan;
    plan.setTakenTitles(doc.accounts());
    ImportPreviewDlg preview(plan, &m_frame);
    // A lock closes the preview as Cancel would.
    const CloseOnLock closeOnLock(doc, preview);
    if (preview.exec() != QDialog::Accepted || closeOnLock.lockFell())
        return 0;
    // The wallet may have locked (or the plan changed) while the preview was open: nothing is added.
    if (doc.IsLocked() || !plan.canImport()) {
        prompts.notice(tr("Nothing was imported from %1: the wallet is locked.").arg(name));
        return 0;
    }
    const int added = plan.importInto(doc);
    m_frame.statusBar()->showMessage(
        tr("%1 imported from %2").arg(FormatReaders::counted(added, "account", "accounts"), name), kStatusMilliseconds);
    return added;
}

void ImportCommands::OnFileExport()
{
    if (m_frame.document().IsLocked())
        return;
    UiPrompts& prompts = m_frame.prompts();
    if (!prompts.question(tr("The exported file holds every password and secret of this wallet in clear text: "
                             "anyone who can read the file can read them all. Export anyway?"),
            UiPrompts::Icon::Warning, UiPrompts::Answer::No, UiPrompts::Answer::No))
        return;
    qsizetype filter = 0;
    const QString path = prompts.exportFileName(exportFilters(), filter);
    // A lock that fell while the file was chosen keeps every secret in the wallet.
    if (!path.isEmpty() && !m_frame.document().IsLocked())
        exportFile(path, filter);
}

bool ImportCommands::exportFile(const QString& path, qsizetype filter)
{
    CQuorrilDoc& doc = m_frame.document();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    bool ok = filter == 1 ? writeKeePassXcCsv(doc.accounts(), buffer, reason) : JsonExportWriter(buffer).write(doc);
    if (!ok && reason.isEmpty())
        reason = buffer.errorString();
    // The file is private to its owner, even one written over.
    ok = ok && FileAccess::writeWholeFile(path, buffer.data(), reason, true);
    if (!ok) {
        m_frame.prompts().notice(tr("The export could not be written to %1.").arg(QFileInfo(path).fileName()),
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_frame.statusBar()->showMessage(
        tr("Every account exported to %1").arg(QFileInfo(path).fileName()), kStatusMilliseconds);
    return true;
}
