#include "dialogs/StrengthBar.h"

#include <QLineEdit>
#include <QPainter>

namespace {
// The bar's share of the width; the word takes the rest.
constexpr int kBarPercent = 45;
constexpr int kGap = 2;

int gradeSteps(StrengthGrade grade) { return int(grade) + 1; }
constexpr int kSteps = int(StrengthGrade::Excellent) + 1;
} // namespace

StrengthBar::StrengthBar(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("Strength"));
}

QColor StrengthBar::colour(StrengthGrade grade)
{
    switch (grade) {
    case StrengthGrade::Bad:
        return QColor(0xc6, 0x28, 0x28);
    case StrengthGrade::Poor:
        return QColor(0xef, 0x6c, 0x00);
    case StrengthGrade::Weak:
        return QColor(0xf9, 0xa8, 0x25);
    case StrengthGrade::Good:
        return QColor(0x43, 0xa0, 0x47);
    case StrengthGrade::Excellent:
        return QColor(0x1b, 0x5e, 0x20);
    }
    return {};
}

void StrengthBar::setGrade(std::optional<StrengthGrade> grade, const QString& detail)
{
    if (grade == m_grade && detail == m_detail)
        return;
    m_grade = grade;
    m_detail = detail;
    setAccessibleDescription(text());
    setToolTip(text());
    update();
}

QString StrengthBar::text() const
{
    if (!m_grade)
        return {};
    const QString word = PasswordStrength::gradeName(*m_grade);
    return m_detail.isEmpty() ? word : QStringLiteral("%1 \u00b7 %2").arg(word, m_detail);
}

QSize StrengthBar::sizeHint() const
{
    const QFontMetrics metrics(font());
    return { metrics.horizontalAdvance(QStringLiteral("Excellent \u00b7 888 bits")) * 100 / (100 - kBarPercent),
        metrics.height() };
}

void StrengthBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int barWidth = width() * kBarPercent / 100;
    const int barHeight = std::max(4, height() / 3);
    const QRect track(0, (height() - barHeight) / 2, barWidth, barHeight);
    painter.fillRect(track, palette().color(QPalette::Mid));
    if (!m_grade)
        return;
    const QRect filled = track.adjusted(0, 0, -(barWidth - barWidth * gradeSteps(*m_grade) / kSteps), 0);
    painter.fillRect(filled, colour(*m_grade));
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect words(barWidth + 2 * kGap, 0, width() - barWidth - 2 * kGap, height());
    painter.drawText(words, Qt::AlignLeft | Qt::AlignVCenter, text());
}

StrengthBar* StrengthBar::follow(QLineEdit* edit, Words words)
{
    auto* bar = new StrengthBar(edit->parentWidget());
    const auto grade = [bar, edit, words = std::move(words)] {
        const QString password = edit->text();
        if (password.isEmpty())
            bar->setGrade(std::nullopt);
        else
            bar->setGrade(PasswordStrength::ofPassword(password, words ? words() : QStringList()).grade);
    };
    connect(edit, &QLineEdit::textChanged, bar, grade);
    grade();
    return bar;
}

StrengthBar* StrengthBar::placeUnder(QLineEdit* edit, Words words)
{
    StrengthBar* bar = follow(edit, std::move(words));
    QWidget* dialog = edit->parentWidget();
    const QRect field = edit->geometry();
    const int height = bar->sizeHint().height();
    const int room = height + kGap;
    for (QObject* child : dialog->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == bar || widget->isWindow())
            continue;
        const QRect place = widget->geometry();
        if (place.top() > field.bottom())
            widget->move(place.x(), place.y() + room);
        else if (place.bottom() > field.bottom() && widget != edit)
            widget->resize(place.width(), place.height() + room); // a frame around the edit
    }
    bar->setGeometry(field.x(), field.bottom() + 1 + kGap, field.width(), height);
    if (dialog->minimumSize() == dialog->maximumSize())
        dialog->setFixedSize(dialog->size() + QSize(0, room));
    else
        dialog->resize(dialog->size() + QSize(0, room));
    return bar;
}
