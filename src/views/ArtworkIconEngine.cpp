#include "views/ArtworkIconEngine.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

namespace {
// One renderer per SVG file for the whole process: the files are resources and never change.
QSvgRenderer& rendererFor(const QString& path)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto& renderer = renderers[path];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(path);
    return *renderer;
}
} // namespace

ArtworkIconEngine::ArtworkIconEngine(QList<Layer> layers)
    : m_layers(std::move(layers))
{
}

QImage ArtworkIconEngine::render(const QSize& size) const
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Layer& layer : m_layers) {
        const QRectF target(layer.area.x() * size.width(), layer.area.y() * size.height(),
            layer.area.width() * size.width(), layer.area.height() * size.height());
        rendererFor(layer.svgPath).render(&painter, target);
    }
    return image;
}

QPixmap ArtworkIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State)
{
    if (size.isEmpty())
        return QPixmap();
    const QString cacheKey = QStringLiteral("%1x%2/%3").arg(size.width()).arg(size.height()).arg(int(mode));
    if (auto it = m_cache.constFind(cacheKey); it != m_cache.constEnd())
        return *it;
    QPixmap result = QPixmap::fromImage(render(size));
    // Selected and active nodes keep their picture; only disabled buttons are greyed.
    if (mode == QIcon::Disabled && qApp) {
        QStyleOption option;
        option.palette = QApplication::palette();
        result = QApplication::style()->generatedIconPixmap(mode, result, &option);
    }
    m_cache.insert(cacheKey, result);
    return result;
}

void ArtworkIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap pm = pixmap(rect.size() * ratio, mode, state);
    pm.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, pm);
}

QIconEngine* ArtworkIconEngine::clone() const { return new ArtworkIconEngine(m_layers); }

QString ArtworkIconEngine::key() const { return QStringLiteral("ArtworkIconEngine"); }
