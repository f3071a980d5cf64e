#pragma once

#include <QObject>
#include <QString>

#include <array>

class ProfileSettings;
class PromptService;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

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
    QLineEdit *nameEdit;
    std::array<QAbstractButton *, 7> dayButtons; // Monday first
    QCheckBox *onceBox;
    QSpinBox *snoozeSpin; // minutes, for every alarm
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
    // The slot changed behind the panel's back (a one-time alarm rang).
    void onSlotFreed(int slotIndex);

signals:
    // Set or cleared by the user.
    void slotChanged(int slotIndex);

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
    QString m_name;
    int m_days = 0;
    bool m_once = false;
};
