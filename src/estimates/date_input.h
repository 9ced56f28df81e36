#pragma once
// A date that may be empty: a line edit in the short date format with a calendar to pick from.
// An empty text is no date; a text that is no date is reported as such, not taken for empty.

#include <QDate>
#include <QLineEdit>

#include <optional>

class QCalendarWidget;

namespace velta::estimates {

class DateInput : public QLineEdit {
    Q_OBJECT
public:
    explicit DateInput(QWidget* parent = nullptr);

    // A null QDate for an empty text; no value when the text is not a date.
    std::optional<QDate> date() const;
    // A null date empties the text.
    void setDate(const QDate& date);
    // Opens the calendar under the input.
    void showCalendar();

signals:
    // The text now holds a date or nothing (typed or picked).
    void dateEdited();

private:
    QCalendarWidget* m_calendar = nullptr;
};

} // namespace velta::estimates
