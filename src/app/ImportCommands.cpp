#include "app/ImportCommands.h"

#include "app/CommandIds.h"
#include "app/ImportPreviewDlg.h"
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

ImportCommands::ImportCommands(
    CQuorrilDoc& document, UiPrompts& prompts, const CommandActions& actions, QStatusBar& statusBar, QWidget& window)
    : QObject(&window)
    , m_doc(document)
    , m_prompts(prompts)
    , m_actions(actions)
    , m_statusBar(statusBar)
    , m_window(window)
{
    connect(m_actions.value(ID_FILE_IMPORT), &QAction::triggered, this, &ImportCommands::OnFileImport);
    connect(m_actions.value(ID_FILE_EXPORT), &QAction::triggered, this, &ImportCommands::OnFileExport);
}

void ImportCommands::updateState()
{
    const bool open = !m_doc.IsLocked();
    m_actions.value(ID_FILE_IMPORT)->setEnabled(open);
    m_actions.value(ID_FILE_EXPORT)->setEnabled(open);
}

QStringList ImportCommands::exportFilters() { return { tr("Quorril JSON (*.json)"), tr("KeePassXC CSV (*.csv)") }; }

void ImportCommands::OnFileImport()
{
    if (m_doc.IsLocked())
        return;
    const QString path = m_prompts.importFileName(importFilters());
    if (!path.isEmpty())
        importFile(path);
}

int ImportCommands::importFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    // The format comes from the content, whatever filter the dialog showed.
    ImportRead read = Importer::readFile(path, std::nullopt);
    if (!read.plan) {
        m_prompts.notice(tr("Nothing was imported from %1.").arg(name), read.error);
        return 0;
    }
    ImportPlan& plan = *read.plan;
    plan.setTakenTitles(m_doc.accounts());
    ImportPreviewDlg preview(plan, &m_window);
    // A lock closes the preview as Cancel would.
    const CloseOnLock closeOnLock(m_doc, preview);
    if (preview.exec() != QDialog::Accepted || closeOnLock.lockFell())
        return 0;
    // The wallet may have locked (or the plan changed) while the preview was open: nothing is added.
    if (m_doc.IsLocked() || !plan.canImport()) {
        m_prompts.notice(tr("Nothing was imported from %1: the wallet is locked.").arg(name));
        return 0;
    }
    const int added = plan.importInto(m_doc);
    m_statusBar.showMessage(
        tr("%1 imported from %2").arg(FormatReaders::counted(added, "account", "accounts"), name), kStatusMilliseconds);
    return added;
}

void ImportCommands::OnFileExport()
{
    if (m_doc.IsLocked())
        return;
    if (!m_prompts.question(tr("The exported file holds every password and secret of this wallet in clear text: "
                               "anyone who can read the file can read them all. Export anyway?"),
            UiPrompts::Icon::Warning, UiPrompts::Answer::No, UiPrompts::Answer::No))
        return;
    qsizetype filter = 0;
    const QString path = m_prompts.exportFileName(exportFilters(), filter);
    // A lock that fell while the file was chosen keeps every secret in the wallet.
    if (!path.isEmpty() && !m_doc.IsLocked())
        exportFile(path, filter);
}

bool ImportCommands::exportFile(const QString& path, qsizetype filter)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString reason;
    bool ok = filter == 1 ? writeKeePassXcCsv(m_doc.accounts(), buffer, reason) : JsonExportWriter(buffer).write(m_doc);
    if (!ok && reason.isEmpty())
        reason = buffer.errorString();
    // The file is private to its owner, even one written over.
    ok = ok && FileAccess::writeWholeFile(path, buffer.data(), reason, true);
    if (!ok) {
        m_prompts.notice(tr("The export could not be written to %1.").arg(QFileInfo(path).fileName()),
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason));
        return false;
    }
    m_statusBar.showMessage(tr("Every account exported to %1").arg(QFileInfo(path).fileName()), kStatusMilliseconds);
    return true;
}
