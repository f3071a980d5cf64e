#pragma once

#include <QObject>
#include <QString>

class SoundChannel;
class ProfileSettings;
class PromptService;
class QComboBox;
class QLineEdit;
class QPushButton;
class ShellOpener;

// The controls of the "Alarm Settings" group.
struct AlarmControls
{
    QComboBox *slotList;
    QLineEdit *timeEdit;
    QLineEdit *fileEdit;
    QPushButton *setButton;
    QPushButton *browseButton;
    QPushButton *clearButton;
    QPushButton *nextButton;
};

// The sixteen alarms: edits one slot at a time, writes every change to the
// profile at once, and fires the slot that is due.
class AlarmPanel : public QObject
{
    Q_OBJECT

public:
    AlarmPanel(const AlarmControls &controls, ProfileSettings &settings, PromptService &prompts,
               ShellOpener &shell, SoundChannel &channel, QObject *parent = nullptr);

    void showSelectedSlot();
    void onSet();
    void onBrowse();
    void onClear();
    void onNextSlot();
    void clearAllAlarms();

    // A wave file plays on the sound channel; any other file goes to the desktop.
    void checkAlarms(int secondOfDay);

private:
    void readControls();
    void writeControls();

    AlarmControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;
    ShellOpener &m_shell;
    SoundChannel &m_channel;

    // Exchanged with the controls.
    int m_listIndex = -1;
    QString m_timeText;
    QString m_file;
};
