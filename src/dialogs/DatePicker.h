#pragma once

#include "OleDateTime.h"

#include <QDateEdit>

// A date in the short date format with a calendar that drops down aligned right. It always shows a date: a stored date
// that is not valid shows today. The value keeps the stored time of day when the user changes only
// the date, and comes back exactly as given while the date is left alone.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    void setValue(const OleDateTime& value);
    OleDateTime value() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OleDateTime m_given;
    QDate m_givenDate;
    QTime m_timeOfDay;
};
