#pragma once

#include <QObject>

class LogindPower;
class ProfileSettings;
class PromptService;
class QCheckBox;
class QLineEdit;
class QPushButton;
struct LocalTime;

struct SleepTimerControls
{
    QCheckBox *enableBox;       // "Enable Sleep Timer"
    QLineEdit *timeEdit;        // the shutdown time
    QPushButton *setShowButton; // "Set &Shutdown Time" / "Show &Shutdown Time"
    QCheckBox *powerOffBox;     // "Power Off?"
};

// The sleep timer: enabled by its check box, armed by Set with a valid
// time, it asks for the machine to be stopped at second 0 of that minute,
// every day until it is disarmed. Neither state survives a restart.
class SleepTimer : public QObject
{
    Q_OBJECT

public:
    SleepTimer(const SleepTimerControls &controls, ProfileSettings &settings, PromptService &prompts,
               LogindPower &power, QObject *parent = nullptr);

    void onEnableClicked();
    // Set or Show, told apart by the length of the button's caption.
    void onSetOrShow();
    // For each second the tick runs.
    void checkShutdown(const LocalTime &local);

    bool armed() const { return m_armed; }

private:
    void onSet();
    void onShow();
    void showEditing(bool shown);
    void onAnswered(const QString &errorText);

    SleepTimerControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;
    LogindPower &m_power;
    bool m_armed = false;
    // From the request until its refusal has been reported: nested ticks
    // under the message never ask again.
    bool m_requestOpen = false;
    bool m_requestedPowerOff = false;
};
