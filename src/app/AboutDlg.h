#pragma once

#include <QDialog>

class AboutPicture;
class CStaticLink;

// The about box: our picture with the product's name and version, and two links, the web site and
// the support address. It has no buttons: the close box, Escape or Enter close it.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static inline const QString WebAddress = QStringLiteral("https://www.quorril.example/");
    static inline const QString SupportAddress = QStringLiteral("support@quorril.example");

    explicit CAboutDlg(QWidget* parent = nullptr);

    CStaticLink* webLink() const { return m_webLink; }
    CStaticLink* mailLink() const { return m_mailLink; }
    AboutPicture* picture() const { return m_picture; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    AboutPicture* m_picture = nullptr;
    CStaticLink* m_webLink = nullptr;
    CStaticLink* m_mailLink = nullptr;
};
