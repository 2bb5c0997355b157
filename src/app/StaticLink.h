#pragma once

#include <QColor>
#include <QLabel>

// A text that acts as a hyperlink: blue and underlined with a pointing-hand cursor; a left click
// hands the link target (or, when there is none, the text itself) to the desktop to open. The text
// turns purple once an open succeeded; a failed open beeps and leaves the colour as it was.
class CStaticLink : public QLabel {
    Q_OBJECT
public:
    static inline const QColor NotFollowedColor = QColor(0, 0, 255);
    static inline const QColor FollowedColor = QColor(128, 0, 128);

    explicit CStaticLink(const QString& text = QString(), const QString& link = QString(), QWidget* parent = nullptr);

    QString link() const { return m_link; }
    void setLink(const QString& link) { m_link = link; }
    QColor textColor() const { return m_color; }

Q_SIGNALS:
    // The desktop opened the target; or could not, which also beeps.
    void linkOpened(const QUrl& url);
    void openFailed(const QString& target);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setTextColor(const QColor& color);

    QString m_link;
    QColor m_color;
};
