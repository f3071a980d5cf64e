#pragma once

#include <QObject>

#include "core/minuteofday.h"

class LogindPower;
class ProfileSettings;
class PromptService;
class QCheckBox;
class QLineEdit;
class QPushButton;

struct SleepTimerControls
{
    QCheckBox *enableBox;       // "Enable Sleep Timer"
    QLineEdit *timeEdit;        // the shutdown time
    QPushButton *setShowButton; // "Set &Shutdown Time" / "Show &Shutdown Time"
    QCheckBox *powerOffBox;     // "Power Off?"
};

// The sleep timer: enabled by its check box, armed by Set with a valid
// time, it asks for the machine to be stopped at that minute (the schedule
// says when), every day until it is disarmed. Neither state survives a restart.
class SleepTimer : public QObject
{
    Q_OBJECT

public:
    SleepTimer(const SleepTimerControls &controls, ProfileSettings &settings, PromptService &prompts,
               LogindPower &power, QObject *parent = nullptr);

    void onEnableClicked();
    // Set or Show, told apart by the length of the button's caption.
    void onSetOrShow();
    // At the armed minute.
    void shutDown();
    // "Sleep timer — 11:30 PM", as a shutdown not carried out is named.
    QString name() const;

    bool armed() const { return m_armed; }

signals:
    // The minute it stops the machine at, or kNoTime once disarmed.
    void armedAt(TimeOfDay minute);
    // The machine was not stopped; the text says why, in the user's words.
    void refused(const QString &text);

private:
    void onSet();
    void onShow();
    void showEditing(bool shown);
    void arm(TimeOfDay minute);
    void onAnswered(const QString &errorText);

    SleepTimerControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;
    LogindPower &m_power;
    bool m_armed = false;
    TimeOfDay m_minute = kNoTime;
    bool m_requestedPowerOff = false;
};
