#include "alarms/alarmpanel.h"

#include "alarms/alarmrules.h"
#include "core/promptservice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kTimeTextLimit = 10;

} // namespace

AlarmPanel::AlarmPanel(const AlarmControls &controls, ProfileSettings &settings,
                       PromptService &prompts, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_settings(settings)
    , m_prompts(prompts)
{
    m_controls.timeEdit->setMaxLength(kTimeTextLimit);
    connect(m_controls.slotList, &QComboBox::activated, this, &AlarmPanel::showSelectedSlot);
    connect(m_controls.setButton, &QPushButton::clicked, this, &AlarmPanel::onSet);
    connect(m_controls.browseButton, &QPushButton::clicked, this, &AlarmPanel::onBrowse);
    connect(m_controls.clearButton, &QPushButton::clicked, this, &AlarmPanel::onClear);
    connect(m_controls.nextButton, &QPushButton::clicked, this, &AlarmPanel::onNextSlot);
}

void AlarmPanel::readControls()
{
    m_listIndex = m_controls.slotList->currentIndex();
    m_timeText = m_controls.timeEdit->text();
    m_file = m_controls.fileEdit->text();
}

void AlarmPanel::writeControls()
{
    m_controls.slotList->setCurrentIndex(m_listIndex);
    m_controls.timeEdit->setText(m_timeText);
    m_controls.fileEdit->setText(m_file);
}

void AlarmPanel::showSelectedSlot()
{
    readControls();
    if (m_listIndex < 0)
        return;
    const AlarmEntry &alarm = m_settings.alarms()[m_listIndex];
    m_timeText = alarm.time >= 0 && alarm.time <= 1440 ? formatTimeOfDay12(alarm.time) : QString();
    m_file = alarm.file;
    writeControls();
}

void AlarmPanel::onSet()
{
    readControls();
    const QString problem = alarmEntryProblem(m_listIndex, m_file, m_timeText);
    if (!problem.isEmpty()) {
        m_prompts.messageBox(problem, "Chimewise", PromptService::Buttons::Ok,
                             PromptService::Icon::Warning);
        return;
    }
    m_settings.setAlarm(m_listIndex, parseTimeOfDay(m_timeText), m_file);
}

void AlarmPanel::onBrowse()
{
    const QString chosen = m_prompts.openFile(
        {"WAV", "*.WAV", "WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|"});
    if (chosen.isEmpty())
        return;
    readControls();
    m_file = chosen;
    writeControls();
}

void AlarmPanel::onClear()
{
    readControls();
    if (m_listIndex < 0)
        return;
    m_settings.setAlarm(m_listIndex, kNoTime, QString());
    m_timeText.clear();
    m_file.clear();
    writeControls();
}

void AlarmPanel::onNextSlot()
{
    readControls();
    m_listIndex = (m_listIndex + 1) % kAlarmSlots;
    writeControls();
    showSelectedSlot();
}

void AlarmPanel::clearAllAlarms()
{
    for (int i = 0; i < kAlarmSlots; ++i)
        m_settings.setAlarm(i, kNoTime, QString());
    showSelectedSlot();
}
