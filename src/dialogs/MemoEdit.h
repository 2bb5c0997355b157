#pragma once

#include <QPlainTextEdit>

// A multi-line text that scrolls instead of wrapping. Enter is left to the dialog (it presses the
// default button); Ctrl+Enter breaks the line; Tab moves the focus on.
//
// A text the user changed comes back with CR LF for every line break, typed or pasted; a text the
// user did not change comes back exactly as given, whatever it holds.
class MemoEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoEdit(bool horizontalScrollBar, QWidget* parent = nullptr);

    void setText(const QString& text);
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString shownText() const;

    QString m_given;
    QString m_givenShown;
};
