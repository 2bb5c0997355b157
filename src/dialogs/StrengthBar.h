#pragma once

#include "accounts/PasswordStrength.h"

#include <QWidget>

#include <functional>
#include <optional>

class QLineEdit;

// A password's strength as a short bar in the grade's colour (red, orange, yellow, green, dark
// green) with the grade's word beside it, for those who cannot tell the colours apart. Empty when
// there is nothing to grade.
class StrengthBar : public QWidget {
    Q_OBJECT
public:
    using Words = std::function<QStringList()>;

    explicit StrengthBar(QWidget* parent = nullptr);

    // The grade shown, or nothing; `detail` follows the word ("131 bits").
    void setGrade(std::optional<StrengthGrade> grade, const QString& detail = {});
    std::optional<StrengthGrade> grade() const { return m_grade; }
    // The word and detail shown: "Weak", "Excellent · 131 bits"; empty for no grade.
    QString text() const;

    static QColor colour(StrengthGrade grade);

    // A bar that follows the edit as the user types: its text graded as a password, with the words
    // of `words` (the account's title, user names, e-mail) as the ones an attacker tries first.
    static StrengthBar* follow(QLineEdit* edit, Words words = {});
    // The same bar placed right under the edit of a dialog laid out by hand: every control below
    // the edit moves down to make room, frames around it grow, and so does the dialog.
    static StrengthBar* placeUnder(QLineEdit* edit, Words words = {});

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<StrengthGrade> m_grade;
    QString m_detail;
};
