#pragma once

#include <QObject>
#include <QString>

class CSoundChannel;
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
               ShellOpener &shell, CSoundChannel &channel, QObject *parent = nullptr);

    void ShowSelectedSlot();
    void OnSet();
    void OnBrowse();
    void OnClear();
    void OnNextSlot();
    void ClearAllAlarms();

    // A wave file plays on the sound channel; any other file goes to the desktop.
    void CheckAlarms(int secondOfDay);

private:
    void ReadControls();
    void WriteControls();

    AlarmControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;
    ShellOpener &m_shell;
    CSoundChannel &m_channel;

    // Exchanged with the controls.
    int m_listIndex = -1;
    QString m_timeText;
    QString m_file;
};
