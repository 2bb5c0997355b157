#pragma once

#include "document/FileWatch.h"

#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class CQuorrilDoc;
class Prompts;
struct MergeResult;

// Keeps the open wallet in step with its file when someone else changes it (FileWatch):
// - changed on disk, nothing changed here: the document reloads, with the password it holds;
// - changed on disk with unsaved changes here: a three-way merge (base: the bytes last loaded or
//   saved; ours: the document; theirs: the new file) applied as one undoable step;
// - before a save to the file: the same check, so that a save never writes over a change unseen;
// - deleted or moved away: the document stays, marked modified, with a notice.
// While the document is locked, or the window is busy with a dialog, a change waits. A file whose
// password is not the document's asks for it once. Other wallets merge in two-way (mergeFrom).
class DiskChanges : public QObject {
    Q_OBJECT
public:
    DiskChanges(CQuorrilDoc& doc, Prompts& prompts, QObject* parent = nullptr);
    ~DiskChanges() override;

    FileWatch& watch() { return m_watch; }
    // While this says so (a dialog is open), a change waits and is taken in afterwards.
    void setBusy(std::function<bool()> busy) { m_busy = std::move(busy); }
    // A change seen while locked or busy, not taken in yet.
    bool hasWaitingChange() const { return m_waiting.has_value(); }

    // Merges the wallet at path into the document, two-way, as one step, and shows the report.
    // False with nothing changed when the file cannot be opened or the document is locked.
    bool mergeFrom(const QString& path);

public Q_SLOTS:
    // Looks at the file now, as the watcher and its timer do.
    void checkNow() { m_watch.checkNow(); }

Q_SIGNALS:
    // Around a reload: the window lets go of the accounts first, and puts its tree back after.
    void aboutToReload();
    void reloaded();
    // What happened, for the status bar.
    void status(const QString& message);
    // A conflict copy of the open wallet appeared beside it.
    void conflictCopyFound(const QString& path);

private:
    struct OtherWallet;
    void onChanged(const QByteArray& bytes);
    void onGone();
    void takeWaiting();
    // Reloads or merges the file's new bytes; false when they could not be opened.
    bool takeIn(const QByteArray& bytes, bool mergeAlways);
    bool mergeIn(const QByteArray& bytes, const OtherWallet& theirs);
    bool guardSave();
    // The wallet in the bytes, opened with the document's password, else with one asked once. Null
    // when it cannot be, after the reason's notice (none when the user cancels).
    std::unique_ptr<OtherWallet> openOther(const QByteArray& bytes);
    void apply(MergeResult&& merge, const OtherWallet& theirs);

    CQuorrilDoc& m_doc;
    Prompts& m_prompts;
    FileWatch m_watch;
    QTimer m_retry;
    std::function<bool()> m_busy;
    std::optional<QByteArray> m_waiting;
    // The file's bytes that could not be taken in: a save must not write over them.
    std::optional<QByteArray> m_unmerged;
};
