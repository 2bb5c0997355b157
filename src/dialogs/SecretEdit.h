#pragma once

#include "dialogs/TextEdit.h"

class QAction;

// A one-line edit of a secret: a password, a PIN, the SSN, a CD key. It shows dots unless it is
// shown: every secret field starts as View > "Show Secrets" says (setShowSecrets), and an eye
// button inside the field shows or hides this one field. Its text is never left on the X PRIMARY
// selection (see SecretSelection).
class SecretEdit : public TextEdit {
    Q_OBJECT
public:
    explicit SecretEdit(QWidget* parent = nullptr);
    ~SecretEdit() override;

    bool isShown() const { return echoMode() == QLineEdit::Normal; }
    void setShown(bool shown);
    // The eye button: checked while the field is shown.
    QAction* eyeAction() const { return m_eye; }

    // Whether the secret fields made from now on start shown (View > "Show Secrets"). The window
    // sets it whenever the setting changes; it is off until then.
    static void setShowSecrets(bool show);
    static bool showSecrets();
    // True while some secret field handles an event: the only time Qt's line edit puts its
    // selection on PRIMARY.
    static bool handlingEvent();

protected:
    bool event(QEvent* event) override;

private:
    QAction* m_eye;
};
