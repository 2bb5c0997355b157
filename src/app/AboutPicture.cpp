#include "app/AboutPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace {
// The largest font of the family that fits the text into the width.
QFont fittingFont(QFont font, const QString& text, qreal width, qreal maxPixelSize)
{
    font.setPixelSize(int(maxPixelSize));
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}
} // namespace

AboutPicture::AboutPicture(const QString& version, QWidget* parent)
    : QWidget(parent)
    , m_version(version)
{
}

void AboutPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal w = area.width();
    const qreal h = area.height();

    QPainterPath frame;
    frame.addRoundedRect(area, 6, 6);
    painter.fillPath(frame, QColor(0xf7, 0xfa, 0xfa));

    // The header with the product's name and version.
    const QRectF header(area.left(), area.top(), w, h * LinkBandTop);
    QLinearGradient teal(header.topLeft(), header.bottomLeft());
    teal.setColorAt(0, QColor(0x1a, 0x8f, 0x8a));
    teal.setColorAt(1, QColor(0x0b, 0x55, 0x63));
    painter.save();
    painter.setClipRect(header);
    painter.fillPath(frame, teal);
    painter.restore();

    const QString name = QStringLiteral("Quorril");
    QFont nameFont = font();
    nameFont.setBold(true);
    nameFont = fittingFont(nameFont, name, w * 0.8, header.height() * 0.42);
    painter.setFont(nameFont);
    painter.setPen(Qt::white);
    painter.drawText(
        QRectF(header.left(), header.top() + header.height() * 0.12, w, header.height() * 0.5), Qt::AlignCenter, name);
    QFont versionFont = font();
    versionFont.setPixelSize(qMax(8, int(header.height() * 0.14)));
    painter.setFont(versionFont);
    painter.setPen(QColor(0xd8, 0xf0, 0xee));
    painter.drawText(QRectF(header.left(), header.top() + header.height() * 0.62, w, header.height() * 0.25),
        Qt::AlignCenter, tr("Version %1").arg(m_version));

    // The logo below the link band, and the maker's name at the foot.
    const qreal logoSide = qMin(w * 0.5, h * 0.32);
    const QRectF logo(area.center().x() - logoSide / 2, area.top() + h * 0.56, logoSide, logoSide);
    QSvgRenderer(QStringLiteral(":/app/art/quorril.svg")).render(&painter, logo);
    QFont footFont = font();
    footFont.setPixelSize(qMax(8, int(h * 0.04)));
    painter.setFont(footFont);
    painter.setPen(QColor(0x5b, 0x66, 0x70));
    painter.drawText(QRectF(area.left(), logo.bottom() + h * 0.02, w, area.bottom() - logo.bottom() - h * 0.02),
        Qt::AlignHCenter | Qt::AlignTop, tr("Copyright \u00a9 Tarnwell"));

    painter.setPen(QPen(QColor(0x9b, 0xaa, 0xb0), 1));
    painter.drawPath(frame);
}
