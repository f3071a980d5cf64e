#include "power/sleeptimer.h"

#include "core/fieldinput.h"
#include "core/profilesettings.h"
#include "core/timesource.h"
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
    m_armed = false;
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
    m_armed = true;
}

void SleepTimer::onShow()
{
    showEditing(true);
    m_controls.setShowButton->setText(kSetCaption);
    m_armed = false;
}

void SleepTimer::showEditing(bool shown)
{
    m_controls.timeEdit->setVisible(shown);
    m_controls.powerOffBox->setVisible(shown);
}

void SleepTimer::checkShutdown(const LocalTime &local)
{
    if (!m_controls.enableBox->isChecked() || !m_armed || local.second != 0 || m_requestOpen)
        return;
    if (parseTimeOfDay(m_controls.timeEdit->text()) != local.hour * 60 + local.minute)
        return;
    // The box is hidden while armed: its state is the one Set took.
    m_requestedPowerOff = m_controls.powerOffBox->isChecked();
    m_requestOpen = true;
    m_power.requestShutdown(m_requestedPowerOff);
}

// A refusal leaves the timer armed: it asks again at the same minute tomorrow.
void SleepTimer::onAnswered(const QString &errorText)
{
    if (!errorText.isEmpty()) {
        const char *format = m_requestedPowerOff ? "Shutdown & Poweroff :: %1" : "Shutdown only :: %1";
        warn(m_prompts, QString(format).arg(errorText), "Chimewise");
    }
    m_requestOpen = false;
}
