#include "power/sleeptimer.h"

#include "core/fieldinput.h"
#include "core/profilesettings.h"
#include "power/logindpower.h"
#include "timetext/timeofday.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char kSetCaption[] = "Set &Shutdown Time";
const char kShowCaption[] = "Show &Shutdown Time";
constexpr qsizetype kSetCaptionLength = sizeof kSetCaption - 1; // 18

} // namespace

SleepTimer::SleepTimer(const SleepTimerControls &controls, ProfileSettings &settings,
                       PromptService &prompts, LogindPower &power, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_settings(settings)
    , m_prompts(prompts)
    , m_power(power)
{
    connect(m_controls.enableBox, &QCheckBox::clicked, this, &SleepTimer::onEnableClicked);
    connect(m_controls.setShowButton, &QPushButton::clicked, this, &SleepTimer::onSetOrShow);
    connect(&m_power, &LogindPower::answered, this, &SleepTimer::onAnswered);
}

void SleepTimer::onEnableClicked()
{
    arm(kNoTime);
    if (!m_controls.enableBox->isChecked()) {
        showEditing(false);
        m_controls.setShowButton->hide();
        return;
    }
    m_controls.setShowButton->setText(kSetCaption);
    m_controls.setShowButton->show();
    showEditing(true);
    m_controls.powerOffBox->setChecked(m_settings.readPowerOff());
    m_controls.timeEdit->setText(formatTimeOfDay12(m_settings.readShutdownTime()));
}

void SleepTimer::onSetOrShow()
{
    if (m_controls.setShowButton->text().size() == kSetCaptionLength)
        onSet();
    else
        onShow();
}

void SleepTimer::onSet()
{
    const QString text = m_controls.timeEdit->text();
    const TimeOfDay minutes = parseTimeOfDay(text);
    if (minutes == kNoTime) {
        FieldInput(m_prompts).refuse(m_controls.timeEdit, timeFormatMessage(text));
        return;
    }
    m_settings.setShutdown(minutes, m_controls.powerOffBox->isChecked());
    showEditing(false);
    m_controls.setShowButton->setText(kShowCaption);
    arm(minutes);
}

void SleepTimer::onShow()
{
    showEditing(true);
    m_controls.setShowButton->setText(kSetCaption);
    arm(kNoTime);
}

void SleepTimer::arm(TimeOfDay minute)
{
    m_armed = minute != kNoTime;
    m_minute = minute;
    emit armedAt(minute);
}

void SleepTimer::showEditing(bool shown)
{
    m_controls.timeEdit->setVisible(shown);
    m_controls.powerOffBox->setVisible(shown);
}

void SleepTimer::shutDown()
{
    // The box is hidden while armed: its state is the one Set took.
    m_requestedPowerOff = m_controls.powerOffBox->isChecked();
    m_power.requestShutdown(m_requestedPowerOff);
}

QString SleepTimer::name() const
{
    return "Sleep timer — " + formatTimeOfDay12(m_minute);
}

// A refusal leaves the timer armed: it asks again at the same minute tomorrow.
void SleepTimer::onAnswered(const QString &errorText)
{
    if (!errorText.isEmpty()) {
        const char *format = m_requestedPowerOff ? "Shutdown & Poweroff :: %1" : "Shutdown only :: %1";
        emit refused(QString(format).arg(errorText));
    }
}
