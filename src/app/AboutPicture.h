#pragma once

#include <QWidget>

// The picture of the about box: the product's name and version above, our logo below, and a light
// band between them where the dialog puts its links. Painted at the widget's size, so it stays crisp.
class AboutPicture : public QWidget {
    Q_OBJECT
public:
    // The band for the links, as fractions of the picture's height.
    static constexpr double LinkBandTop = 0.33;
    static constexpr double LinkBandBottom = 0.52;

    explicit AboutPicture(const QString& version, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_version;
};
