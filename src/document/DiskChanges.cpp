#include "document/DiskChanges.h"

#include "core/Clock.h"

#include "core/AccountTypes.h"
#include "document/DocumentTexts.h"
#include "document/FileAccess.h"
#include "document/QuorrilDoc.h"
#include "document/WalletMerge.h"
#include "format/WalletFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
constexpr int kRetryMilliseconds = 500;

// The prompts of a wallet opened beside the document: the password is the one being tried, the
// notice is kept for the caller to show or not, and the key derivation runs as the document's
// prompts run it (in the window, off the interface thread).
class TrialPrompts : public Prompts {
public:
    explicit TrialPrompts(Prompts& outer)
        : m_outer(outer)
    {
    }
    std::optional<QString> password(PasswordMode) override { return answer; }
    using Prompts::notice;
    void notice(const QString& text, const QString&) override { last = text; }
    QString saveFileName(const QString&) override { return {}; }
    bool runCostly(const std::function<void()>& work) override { return m_outer.runCostly(work); }

    Prompts& m_outer;
    std::optional<QString> answer;
    QString last;
};

QString nameOf(const QString& path) { return QFileInfo(path).fileName(); }
} // namespace

struct DiskChanges::OtherWallet {
    explicit OtherWallet(Prompts& outer)
        : prompts(outer)
    {
    }
    TrialPrompts prompts;
    CQuorrilDoc doc { prompts };

    // Opens the bytes with the password; a damaged file, or one of a version read only in part,
    // does not count as open.
    bool open(const QByteArray& bytes, const QString& password, const KdfCost& cost)
    {
        prompts.answer = password;
        prompts.last.clear();
        doc.setKdfCost(cost);
        const bool opened = doc.openFromBytes(bytes, QString());
        if (doc.loadFailed() || (opened && !WalletFile::isKnownVersion(doc.loadedVersion()))) {
            prompts.last = DocumentText::invalidFileFormat();
            return false;
        }
        return opened;
    }
    // Whole, but not with the password tried.
    bool refusedPassword() const
    {
        return !doc.loadFailed() && doc.lastOpenResult() == CQuorrilDoc::OpenResult::NotOwner;
    }
};

DiskChanges::DiskChanges(CQuorrilDoc& doc, Prompts& prompts, QObject* parent)
    : QObject(parent)
    , m_doc(doc)
    , m_prompts(prompts)
{
    connect(&m_doc, &CQuorrilDoc::fileSettled, &m_watch, &FileWatch::setFile);
    connect(&m_doc, &CQuorrilDoc::pathChanged, this, [this](const QString& path) {
        // New, a refused open, a document no longer tied to its file: nothing to watch. A path
        // that is set is settled by fileSettled, which follows.
        if (path != m_watch.path()) {
            m_watch.clear();
            m_waiting.reset();
            m_unmerged.reset();
        }
    });
    connect(&m_doc, &CQuorrilDoc::lockChanged, this, [this](bool locked) {
        if (!locked)
            takeWaiting();
    });
    connect(&m_watch, &FileWatch::changedOnDisk, this, &DiskChanges::onChanged);
    connect(&m_watch, &FileWatch::gone, this, &DiskChanges::onGone);
    connect(&m_watch, &FileWatch::conflictCopyFound, this, &DiskChanges::conflictCopyFound);
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &DiskChanges::takeWaiting);
    m_doc.setSaveGuard([this] { return guardSave(); });
}

DiskChanges::~DiskChanges() { m_doc.setSaveGuard({}); }

void DiskChanges::onChanged(const QByteArray& bytes)
{
    m_waiting = bytes;
    if (m_doc.IsLocked())
        Q_EMIT status(DocumentText::changedWhileLocked());
    takeWaiting();
}

void DiskChanges::takeWaiting()
{
    if (!m_waiting || m_doc.IsLocked())
        return;
    if (m_busy && m_busy()) {
        m_retry.start();
        return;
    }
    m_retry.stop();
    const QByteArray bytes = *std::exchange(m_waiting, std::nullopt);
    m_unmerged.reset();
    if (!takeIn(bytes, false))
        m_unmerged = bytes;
}

void DiskChanges::onGone()
{
    m_waiting.reset();
    m_doc.SetModifiedFlag(true);
    m_prompts.notice(DocumentText::goneFromDisk(nameOf(m_watch.path())));
}

std::unique_ptr<DiskChanges::OtherWallet> DiskChanges::openOther(const QByteArray& bytes)
{
    auto other = std::make_unique<OtherWallet>(m_prompts);
    if (m_doc.hasPassword() && other->open(bytes, m_doc.password(), m_doc.kdfCost()))
        return other;
    // Another password: asked once.
    if (!m_doc.hasPassword() || other->refusedPassword()) {
        const std::optional<QString> password = m_prompts.password(Prompts::PasswordMode::Verify);
        if (!password)
            return nullptr;
        if (other->open(bytes, *password, m_doc.kdfCost()))
            return other;
    }
    if (!other->prompts.last.isEmpty())
        m_prompts.notice(other->prompts.last);
    return nullptr;
}

bool DiskChanges::takeIn(const QByteArray& bytes, bool mergeAlways)
{
    const QString path = m_watch.path();
    const std::unique_ptr<OtherWallet> theirs = openOther(bytes);
    if (!theirs) {
        m_prompts.notice(DocumentText::cannotTakeIn(nameOf(path)));
        return false;
    }
    if (mergeAlways || m_doc.IsModified())
        return mergeIn(bytes, *theirs);
    Q_EMIT aboutToReload();
    const bool reloaded = m_doc.reloadFromBytes(bytes, path, theirs->doc.password());
    Q_EMIT this->reloaded();
    if (reloaded)
        Q_EMIT status(DocumentText::reloadedFromDisk());
    return reloaded;
}

bool DiskChanges::mergeIn(const QByteArray& bytes, const OtherWallet& theirs)
{
    // The base opens with the password it was saved with: the document's, or else theirs.
    OtherWallet base(m_prompts);
    const QByteArray& baseBytes = m_watch.baseBytes();
    const bool hasBase = !baseBytes.isEmpty()
        && (base.open(baseBytes, m_doc.password(), m_doc.kdfCost())
            || base.open(baseBytes, theirs.doc.password(), m_doc.kdfCost()));
    MergeResult merge = hasBase
        ? mergeThreeWay(base.doc.contents(), m_doc.contents(), theirs.doc.contents(), Clock::today())
        : mergeTwoWay(m_doc.contents(), theirs.doc.contents(), Clock::today());
    const QString summary = merge.report.summary();
    apply(std::move(merge), theirs);
    // The new file is what the document has now seen: the base of the next merge.
    m_watch.setFile(m_watch.path(), bytes);
    m_doc.SetModifiedFlag(true);
    Q_EMIT status(DocumentText::mergedFromDisk(summary));
    return true;
}

void DiskChanges::apply(MergeResult&& merge, const OtherWallet& theirs)
{
    applyMerge(m_doc, std::move(merge));
    // A merge never lowers the container: a classic document merged with an encrypted wallet is
    // saved encrypted, under that wallet's password (the classic file gave its own away).
    if (theirs.doc.isEncrypted() && !m_doc.isEncrypted())
        m_doc.encryptWithNewPassword(theirs.doc.password());
}

bool DiskChanges::guardSave()
{
    if (m_watch.path().isEmpty() || m_watch.path() != m_doc.GetPathName())
        return true;
    QByteArray bytes;
    FileWatch::State state = m_watch.check(bytes);
    // A change seen but not taken in (its file could not be opened) is still unseen here.
    if (state == FileWatch::State::Same && m_unmerged) {
        bytes = *m_unmerged;
        state = FileWatch::State::Changed;
    }
    if (state != FileWatch::State::Changed)
        return true;
    m_waiting.reset();
    m_unmerged.reset();
    if (takeIn(bytes, true))
        return true;
    m_unmerged = bytes;
    m_prompts.notice(DocumentText::notSavedOverChange(nameOf(m_watch.path())));
    return false;
}

bool DiskChanges::mergeFrom(const QString& path)
{
    if (m_doc.IsLocked())
        return false;
    QString reason;
    const std::optional<QByteArray> bytes = FileAccess::readRegularFile(path, reason);
    if (!bytes) {
        m_prompts.notice(DocumentText::cannotOpen(nameOf(path), reason));
        return false;
    }
    const std::unique_ptr<OtherWallet> theirs = openOther(*bytes);
    if (!theirs)
        return false;
    MergeResult merge = mergeTwoWay(m_doc.contents(), theirs->doc.contents(), Clock::today());
    const MergeReport report = merge.report;
    apply(std::move(merge), *theirs);
    QStringList keptTwice;
    for (AccountId id : report.conflictCopies) {
        if (const AccountRecord* copy = m_doc.FindAccount(id))
            keptTwice << QCoreApplication::translate("DiskChanges", "Kept twice: %1 \"%2\"")
                             .arg(shownAccountTypeName(copy->GetType()), copy->GetTitle());
    }
    m_prompts.notice(DocumentText::mergedFrom(nameOf(path), report.summary()), keptTwice.join(u'\n'));
    Q_EMIT status(DocumentText::mergedFrom(nameOf(path), report.summary()));
    return true;
}
