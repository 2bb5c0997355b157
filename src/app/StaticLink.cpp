#include "app/StaticLink.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

CStaticLink::CStaticLink(const QString& text, const QString& link, QWidget* parent)
    : QLabel(parent)
    , m_link(link)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(false);
    setTextColor(NotFollowedColor);
}

void CStaticLink::setTextColor(const QColor& color)
{
    m_color = color;
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, color);
    setPalette(colors);
    update();
}

void CStaticLink::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    event->accept();
    const QString target = m_link.isEmpty() ? text() : m_link;
    if (target.isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isValid() && QDesktopServices::openUrl(url)) {
        setTextColor(FollowedColor);
        Q_EMIT linkOpened(url);
    } else {
        QApplication::beep();
        Q_EMIT openFailed(target);
    }
}
