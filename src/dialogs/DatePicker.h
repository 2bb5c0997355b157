#pragma once

#include "core/OleDateTime.h"

#include <QDateEdit>

// A date in the short date format with a calendar that drops down aligned right. It always shows a
// date: a stored date that is not valid shows today. Left untouched, the value comes back exactly as
// given; once the user has edited the date (even back to the day first shown), it is the date shown,
// with the stored time of day (or the time now, where the stored date was not valid).
// Dates are calendar values: the field works in UTC, so no day is cut by a local clock change.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    void setValue(const OleDateTime& value);
    OleDateTime value() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void touch();

    OleDateTime m_given;
    QDate m_givenDate;
    QTime m_timeOfDay;
    bool m_givenShown = false; // the given value is valid and is what the field shows
    bool m_touched = false;
    bool m_settingValue = false;
};
