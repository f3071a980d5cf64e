#include "alarms/alarmpanel.h"

#include "alarms/alarmrules.h"
#include "core/promptservice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

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
    m_controls.snoozeSpin->setRange(1, 30);
    connect(m_controls.snoozeSpin, &QSpinBox::valueChanged, this,
            [this](int minutes) { m_settings.setSnoozeMinutes(minutes); });
}

void AlarmPanel::readControls()
{
    m_listIndex = m_controls.slotList->currentIndex();
    m_timeText = m_controls.timeEdit->text();
    m_file = m_controls.fileEdit->text();
    m_name = m_controls.nameEdit->text();
    m_once = m_controls.onceBox->isChecked();
    m_days = 0;
    for (int day = 0; day < 7; ++day)
        m_days |= m_controls.dayButtons[day]->isChecked() << day;
}

void AlarmPanel::writeControls()
{
    m_controls.slotList->setCurrentIndex(m_listIndex);
    m_controls.timeEdit->setText(m_timeText);
    m_controls.fileEdit->setText(m_file);
    m_controls.nameEdit->setText(m_name);
    m_controls.onceBox->setChecked(m_once);
    for (int day = 0; day < 7; ++day)
        m_controls.dayButtons[day]->setChecked(m_days & (1 << day));
}

void AlarmPanel::showSelectedSlot()
{
    readControls();
    if (m_listIndex < 0)
        return;
    const AlarmEntry &alarm = m_settings.alarms()[m_listIndex];
    m_timeText = alarm.time >= 0 && alarm.time <= 1440 ? formatTimeOfDay12(alarm.time) : QString();
    m_file = alarm.file;
    m_name = alarm.name;
    m_days = alarm.days;
    m_once = alarm.once;
    writeControls();
    // Shown, not changed: nothing is written.
    const QSignalBlocker quiet(m_controls.snoozeSpin);
    m_controls.snoozeSpin->setValue(m_settings.snoozeMinutes());
}

void AlarmPanel::onSet()
{
    readControls();
    const QString problem = alarmEntryProblem(m_listIndex, m_file, m_timeText, m_days);
    if (!problem.isEmpty()) {
        m_prompts.messageBox(problem, "Chimewise", PromptService::Buttons::Ok,
                             PromptService::Icon::Warning);
        return;
    }
    m_settings.setAlarm(m_listIndex, {{}, m_file, parseTimeOfDay(m_timeText), m_days, m_once, m_name.trimmed()});
    emit slotChanged(m_listIndex);
}

void AlarmPanel::onBrowse()
{
    const QString chosen = m_prompts.openFile(
        {"WAV", "*.WAV", tr("WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|")});
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
    m_settings.clearAlarm(m_listIndex);
    emit slotChanged(m_listIndex);
    showSelectedSlot();
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
    for (int i = 0; i < kAlarmSlots; ++i) {
        m_settings.clearAlarm(i);
        emit slotChanged(i);
    }
    showSelectedSlot();
}

void AlarmPanel::onSlotFreed(int slotIndex)
{
    if (m_controls.slotList->currentIndex() == slotIndex)
        showSelectedSlot();
}
