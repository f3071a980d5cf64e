#include "face/alarmtimepicker.h"

#include "timetext/timeofday.h"

#include <QCursor>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

AlarmTimePicker::AlarmTimePicker(QLineEdit *field, QPushButton *halfOfDayButton, QObject *parent)
    : QObject(parent)
    , m_field(field)
    , m_halfOfDayButton(halfOfDayButton)
{
    connect(m_halfOfDayButton, &QPushButton::clicked, this, &AlarmTimePicker::toggleHalfOfDay);
}

bool AlarmTimePicker::pointAt(const FaceGeometry &face, QPointF point)
{
    const std::optional<FaceReading> reading = readingAt(face, point);
    if (reading)
        m_field->setText(pickedTimeText(*reading, m_pm ? "PM" : "AM"));
    return reading.has_value();
}

QString AlarmTimePicker::pickedText() const
{
    return m_field->text();
}

void AlarmTimePicker::toggleHalfOfDay()
{
    m_pm = !m_pm;
    m_halfOfDayButton->setText(halfOfDayName(m_pm));
    m_field->setText(withHalfOfDayLetter(m_field->text(), m_pm ? u'P' : u'A'));
}

QCursor AlarmTimePicker::faceCursor()
{
    return QCursor(QPixmap(":/cursors/pickcursor.xpm"), 15, 15);
}
