#pragma once

#include <QObject>

#include "core/minuteofday.h"
#include "power/logindpower.h"

class ProfileSettings;
class PromptService;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TimeSource;

struct SleepTimerControls
{
    QCheckBox *enableBox;       // "Enable Sleep Timer"
    QLineEdit *timeEdit;        // the shutdown time
    QPushButton *setShowButton; // "Set &Shutdown Time" / "Show &Shutdown Time"
    QCheckBox *powerOffBox;     // "Power Off?"
    QCheckBox *suspendBox;      // "Suspend?": instead of stopping
    QComboBox *waitCombo;       // "in N minutes" instead of the time; empty for the time
    QLabel *actionNote;         // what the choice does
};

// The sleep timer: enabled by its check box, armed by Set with a valid
// time, it asks for the machine to be stopped at that minute (the schedule
// says when), every day until it is disarmed. Armed with a wait instead
// ("in 30 min"), it asks once. A minute before, it can be cancelled or put
// off (for that once). Neither state survives a restart.
class SleepTimer : public QObject
{
    Q_OBJECT

public:
    SleepTimer(const SleepTimerControls &controls, ProfileSettings &settings, PromptService &prompts,
               LogindPower &power, TimeSource &time, QObject *parent = nullptr);

    void onEnableClicked();
    // Set or Show, told apart by the length of the button's caption.
    void onSetOrShow();
    // At the armed minute: asks logind to stop the machine only when on time.
    void atArmedMinute(bool onTime);
    // From the warning: disarmed until Set is pressed again.
    void cancel();
    // From the warning: the next stop comes this much later.
    void postpone(int minutes);
    // "Sleep timer — 11:30 PM", as a shutdown not carried out is named.
    QString name() const;

    bool armed() const { return m_armed; }
    TimeOfDay minute() const { return m_minute; }
    StopAction action() const { return m_action; }

signals:
    // The minute it stops the machine at, or kNoTime once disarmed.
    void armedAt(TimeOfDay minute);
    // The machine was not stopped; the text says why, in the user's words.
    void refused(const QString &text);

private:
    void onSet();
    void disarm();
    void showEditing(bool shown);
    void showChoice();
    StopAction chosenAction() const;
    void arm(TimeOfDay minute);
    void onAnswered(const QString &errorText);

    SleepTimerControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;
    LogindPower &m_power;
    TimeSource &m_time;
    bool m_armed = false;
    TimeOfDay m_minute = kNoTime;
    TimeOfDay m_dailyMinute = kNoTime; // kNoTime when armed with a wait: it stops once
    StopAction m_action = StopAction::Halt;
    StopAction m_requested = StopAction::Halt;
};
