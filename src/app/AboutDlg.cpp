#include "AboutDlg.h"

#include "AboutPicture.h"
#include "StaticLink.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
// Dialog units of the dialog's font: a quarter of the average character width across, an eighth
// of the line height down.
QRect dialogUnits(const QFontMetrics& metrics, int x, int y, int width, int height)
{
    const int cx = metrics.averageCharWidth();
    const int cy = metrics.height();
    return QRect(x * cx / 4, y * cy / 8, width * cx / 4, height * cy / 8);
}

QString version()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(QUORRIL_VERSION) : version;
}
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quorril"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const QFontMetrics metrics(font());
    setFixedSize(dialogUnits(metrics, 0, 0, 153, 164).size());

    m_picture = new AboutPicture(version(), this);
    m_picture->setGeometry(dialogUnits(metrics, 7, 6, 139, 151));

    // Both links stand centred over the picture's light band, at the heights of the layout.
    m_webLink = new CStaticLink(QStringLiteral("www.quorril.example"), WebAddress, this);
    m_mailLink = new CStaticLink(SupportAddress, QStringLiteral("mailto:") + SupportAddress, this);
    const QRect webArea = dialogUnits(metrics, 27, 60, 103, 8);
    const QRect mailArea = dialogUnits(metrics, 31, 70, 93, 8);
    for (auto [link, area] : {std::pair{m_webLink, webArea}, std::pair{m_mailLink, mailArea}}) {
        link->setAlignment(Qt::AlignCenter);
        const QSize hint = link->sizeHint();
        const QSize size(qMax(area.width(), hint.width()), qMax(area.height(), hint.height()));
        link->setGeometry(QRect(QPoint((width() - size.width()) / 2, area.top()), size));
        link->raise();
    }
}

void CAboutDlg::keyPressEvent(QKeyEvent* event)
{
    // With no buttons, Enter closes the box as Escape does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
