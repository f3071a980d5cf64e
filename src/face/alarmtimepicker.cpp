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
        m_field->setText(pickedTimeText(*reading, showsPm() ? "PM" : "AM"));
    return reading.has_value();
}

QString AlarmTimePicker::pickedText() const
{
    return m_field->text();
}

void AlarmTimePicker::toggleHalfOfDay()
{
    const bool toPm = !showsPm();
    m_halfOfDayButton->setText(halfOfDayName(toPm));
    m_field->setText(withHalfOfDayLetter(m_field->text(), toPm ? u'P' : u'A'));
}

// The button shows "AM"/"PM" in the interface language; the field keeps ASCII.
bool AlarmTimePicker::showsPm() const
{
    return m_halfOfDayButton->text() == halfOfDayName(true);
}

QCursor AlarmTimePicker::faceCursor()
{
    return QCursor(QPixmap(":/cursors/pickcursor.xpm"), 15, 15);
}
