#include "alarms/alarmpanel.h"

#include "alarms/alarmrules.h"
#include "alarms/csoundchannel.h"
#include "app/promptservice.h"
#include "app/shellopener.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kTimeTextLimit = 10;
constexpr int kAlarmRetryPauseMs = 1000;

} // namespace

AlarmPanel::AlarmPanel(const AlarmControls &controls, ProfileSettings &settings,
                       PromptService &prompts, ShellOpener &shell, CSoundChannel &channel,
                       QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_settings(settings)
    , m_prompts(prompts)
    , m_shell(shell)
    , m_channel(channel)
{
    m_controls.timeEdit->setMaxLength(kTimeTextLimit);
    connect(m_controls.slotList, &QComboBox::activated, this, &AlarmPanel::ShowSelectedSlot);
    connect(m_controls.setButton, &QPushButton::clicked, this, &AlarmPanel::OnSet);
    connect(m_controls.browseButton, &QPushButton::clicked, this, &AlarmPanel::OnBrowse);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &AlarmPanel::OnClear);
    connect(m_controls.nextButton, &QPushButton::clicked, this, &AlarmPanel::OnNextSlot);
}

void AlarmPanel::ReadControls()
{
    m_listIndex = m_controls.slotList->currentIndex();
    m_timeText = m_controls.timeEdit->text();
    m_file = m_controls.fileEdit->text();
}

void AlarmPanel::WriteControls()
{
    m_controls.slotList->setCurrentIndex(m_listIndex);
    m_controls.timeEdit->setText(m_timeText);
    m_controls.fileEdit->setText(m_file);
}

void AlarmPanel::ShowSelectedSlot()
{
    ReadControls();
    if (m_listIndex < 0)
        return;
    const AlarmEntry &alarm = m_settings.alarms()[m_listIndex];
    m_timeText = alarm.time >= 0 && alarm.time <= 1440 ? FormatTimeOfDay12(alarm.time) : QString();
    m_file = alarm.file;
    WriteControls();
}

void AlarmPanel::OnSet()
{
    ReadControls();
    const QString problem = AlarmEntryProblem(m_listIndex, m_file, m_timeText);
    if (!problem.isEmpty()) {
        m_prompts.messageBox(problem, "Chimewise", PromptService::Buttons::Ok,
                             PromptService::Icon::Warning);
        return;
    }
    m_settings.setAlarm(m_listIndex, ParseTimeOfDay(m_timeText), m_file);
}

void AlarmPanel::OnBrowse()
{
    const QString chosen = m_prompts.openFile(
        {"WAV", "*.WAV", "WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|"});
    if (chosen.isEmpty())
        return;
    ReadControls();
    m_file = chosen;
    WriteControls();
}

void AlarmPanel::OnClear()
{
    ReadControls();
    if (m_listIndex < 0)
        return;
    m_settings.setAlarm(m_listIndex, kNoTime, QString());
    m_timeText.clear();
    m_file.clear();
    WriteControls();
}

void AlarmPanel::OnNextSlot()
{
    ReadControls();
    m_listIndex = (m_listIndex + 1) % kAlarmSlots;
    WriteControls();
    ShowSelectedSlot();
}

void AlarmPanel::ClearAllAlarms()
{
    for (int i = 0; i < kAlarmSlots; ++i)
        m_settings.setAlarm(i, kNoTime, QString());
    ShowSelectedSlot();
}

void AlarmPanel::CheckAlarms(int secondOfDay)
{
    const int due = FindDueAlarm(m_settings.alarms(), secondOfDay);
    if (due < 0)
        return;
    const QString path = AlarmPathToOpen(m_settings.alarms()[due].file);
    if (IsWaveFile(path))
        m_channel.StartChannelSound(path, "&Stop Alarm", kAlarmRetryPauseMs, true);
    else
        m_shell.open(path);
}
