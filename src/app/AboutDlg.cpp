#include "app/AboutDlg.h"

#include "app/AboutPicture.h"
#include "app/StaticLink.h"
#include "dialogs/DialogUnits.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {
QString version()
{
    const QString version = QCoreApplication::applicationVersion();
    return version.isEmpty() ? QStringLiteral(QUORRIL_VERSION) : version;
}
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About Quorril"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    const DialogUnits units(font());
    setFixedSize(units.size(153, 164));

    m_picture = new AboutPicture(version(), this);
    m_picture->setGeometry(units.rect({ 7, 6, 139, 151 }));

    // Both links stand centred over the picture's light band, at the heights of the layout.
    m_webLink = new CStaticLink(QStringLiteral("www.quorril.example"), WebAddress, this);
    m_mailLink = new CStaticLink(SupportAddress, QStringLiteral("mailto:") + SupportAddress, this);
    const QRect webArea = units.rect({ 27, 60, 103, 8 });
    const QRect mailArea = units.rect({ 31, 70, 93, 8 });
    for (auto [link, area] : { std::pair { m_webLink, webArea }, std::pair { m_mailLink, mailArea } }) {
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
