#include "estimates/date_input.h"

#include "core/number_format.h"

#include <QAction>
#include <QCalendarWidget>
#include <QStyle>

namespace velta::estimates {

DateInput::DateInput(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(QStringLiteral("дд.мм.рррр"));
    QAction* pick = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    pick->setToolTip(QStringLiteral("Календар"));
    connect(pick, &QAction::triggered, this, &DateInput::showCalendar);
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (date())
            emit dateEdited();
    });
}

std::optional<QDate> DateInput::date() const {
    const QString t = text().trimmed();
    if (t.isEmpty())
        return QDate();
    for (const QString& format :
         {core::NumberFormat::current().shortDateFormat, QStringLiteral("d.M.yyyy")}) {
        const QDate d = QDate::fromString(t, format);
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

void DateInput::setDate(const QDate& date) {
    setText(date.isValid() ? date.toString(core::NumberFormat::current().shortDateFormat) : QString());
}

void DateInput::showCalendar() {
    if (!m_calendar) {
        m_calendar = new QCalendarWidget(this);
        m_calendar->setWindowFlags(Qt::Popup);
        m_calendar->setFirstDayOfWeek(Qt::Monday);
        connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate& d) {
            setDate(d);
            m_calendar->hide();
            emit dateEdited();
        });
    }
    const std::optional<QDate> current = date();
    m_calendar->setSelectedDate(current && current->isValid() ? *current : QDate::currentDate());
    m_calendar->move(mapToGlobal(QPoint(0, height())));
    m_calendar->show();
}

} // namespace velta::estimates
