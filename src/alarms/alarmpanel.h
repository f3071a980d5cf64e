#pragma once

#include <QObject>
#include <QString>

class ProfileSettings;
class PromptService;
class QComboBox;
class QLineEdit;
class QPushButton;

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

// The sixteen alarms: edits one slot at a time and writes every change to
// the profile at once.
class AlarmPanel : public QObject
{
    Q_OBJECT

public:
    AlarmPanel(const AlarmControls &controls, ProfileSettings &settings, PromptService &prompts,
               QObject *parent = nullptr);

    void showSelectedSlot();
    void onSet();
    void onBrowse();
    void onClear();
    void onNextSlot();
    void clearAllAlarms();

private:
    void readControls();
    void writeControls();

    AlarmControls m_controls;
    ProfileSettings &m_settings;
    PromptService &m_prompts;

    // Exchanged with the controls.
    int m_listIndex = -1;
    QString m_timeText;
    QString m_file;
};
