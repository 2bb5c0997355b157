#pragma once

#include <QHash>
#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QRectF>
#include <QString>

// An icon painted from SVG layers, each into its own part of the icon's square (a rectangle in
// fractions of the size). Every pixmap is rendered at the exact size asked for, so the picture
// stays crisp at any scale; rendered pixmaps are kept per size and mode.
class ArtworkIconEngine : public QIconEngine {
public:
    struct Layer {
        QString svgPath;
        QRectF area = QRectF(0, 0, 1, 1);
    };

    explicit ArtworkIconEngine(QList<Layer> layers);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    QImage render(const QSize& size) const;

    QList<Layer> m_layers;
    QHash<QString, QPixmap> m_cache;
};
