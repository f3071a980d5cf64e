#pragma once

#include "face/facegeometry.h"

#include <QObject>
#include <QSize>

class AlarmTimePicker;
class ClockSurface;
class ProfileSettings;
class QLineEdit;
class QPushButton;
struct LocalTime;

// The extension that "&Time" opens below the normal area: the clock face
// the surface paints, and picking an alarm time on it with the mouse.
class ClockFaceExtension : public QObject
{
    Q_OBJECT

public:
    static constexpr int kDiameter = 100;

    struct Controls
    {
        QPushButton *timeButton;
        QLineEdit *pickedTimeEdit;
        QPushButton *amPmButton;
        QLineEdit *alarmTimeEdit; // where a click on the face puts the picked time
    };

    ClockFaceExtension(ClockSurface *surface, const Controls &controls, ProfileSettings &settings,
                       QObject *parent = nullptr);

    // At start-up: the surface's size is the normal area; the stored
    // choice opens the extension at once.
    void layOut();
    void toggle();
    bool shown() const { return m_shown; }
    // Once a second while shown.
    void showTime(const LocalTime &time);

private:
    void apply();
    void onPointerMoved(const QPointF &pos);
    void onLeftReleased(const QPointF &pos);

    ClockSurface *m_surface;
    Controls m_controls;
    ProfileSettings &m_settings;
    AlarmTimePicker *m_picker;
    QSize m_normalSize;
    FaceGeometry m_face;
    bool m_shown = false;
};
