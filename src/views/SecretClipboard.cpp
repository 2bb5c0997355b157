#include "views/SecretClipboard.h"

#include "core/Clock.h"

#include <QClipboard>
#include <QCryptographicHash>
#include <QGuiApplication>
#include <QMimeData>
#include <QScopedValueRollback>

SecretClipboard::SecretClipboard(std::function<int()> clearSeconds, QObject* parent)
    : QObject(parent)
    , m_clearSeconds(std::move(clearSeconds))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SecretClipboard::clear);
    // Another copy, here or in another program, takes the clipboard over: it is not ours to clear.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
        if (!m_setting)
            m_held = false;
    });
}

SecretClipboard::~SecretClipboard() { clear(); }

QByteArray SecretClipboard::digest(const QString& text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256);
}

QString SecretClipboard::copy(const QString& text)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    data->setData(QString::fromLatin1(HintFormat), QByteArray(HintValue));
    {
        QScopedValueRollback setting(m_setting, true);
        QGuiApplication::clipboard()->setMimeData(data.release(), QClipboard::Clipboard);
    }
    m_copied = digest(text);
    m_held = true;
    const int seconds = m_clearSeconds ? m_clearSeconds() : 0;
    if (seconds <= 0) {
        m_timer.stop();
        return tr("Copied.");
    }
    m_timer.start(Clock::second() * seconds);
    return tr("Copied; the clipboard clears in %1 s.").arg(seconds);
}

bool SecretClipboard::holdsCopy() const
{
    if (!m_held || !QGuiApplication::instance())
        return false;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && data->hasText() && digest(data->text()) == m_copied;
}

void SecretClipboard::clear()
{
    m_timer.stop();
    if (holdsCopy()) {
        QScopedValueRollback setting(m_setting, true);
        QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
    }
    m_held = false;
    m_copied.clear();
}
