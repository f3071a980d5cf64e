#pragma once

#include "face/facegeometry.h"

#include <QObject>

class QCursor;
class QLineEdit;
class QPushButton;

// Picking an alarm time on the face: the read-only field shows the time
// under the pointer with the caption of the button, which switches between
// "AM" and "PM".
class AlarmTimePicker : public QObject
{
    Q_OBJECT

public:
    AlarmTimePicker(QLineEdit *field, QPushButton *halfOfDayButton, QObject *parent = nullptr);

    // Shows the time under point; false when point lies outside the face,
    // which leaves the field as it was.
    bool pointAt(const FaceGeometry &face, QPointF point);
    QString pickedText() const;
    void toggleHalfOfDay();

    // The cursor shown over the face.
    static QCursor faceCursor();

private:
    bool showsPm() const;

    QLineEdit *m_field;
    QPushButton *m_halfOfDayButton;
};
