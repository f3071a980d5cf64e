#include "power/sleeptimer.h"

#include "core/fieldinput.h"
#include "core/profilesettings.h"
#include "core/timesource.h"
#include "power/logindpower.h"
#include "power/sleepchoice.h"
#include "timetext/timeofday.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const char kSetCaption[] = QT_TRANSLATE_NOOP("SleepTimer", "Set &Shutdown Time");
const char kShowCaption[] = QT_TRANSLATE_NOOP("SleepTimer", "Show &Shutdown Time");
constexpr int kDayMinutes = 24 * 60;

} // namespace

SleepTimer::SleepTimer(const SleepTimerControls &controls, ProfileSettings &settings, PromptService &prompts,
                       LogindPower &power, TimeSource &time, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_settings(settings)
    , m_prompts(prompts)
    , m_power(power)
    , m_time(time)
{
    for (const int minutes : {15, 30, 45, 60, 90})
        m_controls.waitCombo->addItem(tr("%1 min").arg(minutes));
    m_controls.waitCombo->setCurrentIndex(-1);
    m_controls.waitCombo->lineEdit()->setPlaceholderText(tr("in … min"));
    connect(m_controls.enableBox, &QCheckBox::clicked, this, &SleepTimer::onEnableClicked);
    connect(m_controls.setShowButton, &QPushButton::clicked, this, &SleepTimer::onSetOrShow);
    connect(m_controls.powerOffBox, &QCheckBox::toggled, this, &SleepTimer::showChoice);
    connect(m_controls.suspendBox, &QCheckBox::toggled, this, &SleepTimer::showChoice);
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
    m_controls.setShowButton->setText(tr(kSetCaption));
    m_controls.setShowButton->show();
    showEditing(true);
    m_controls.powerOffBox->setChecked(m_settings.readPowerOff());
    m_controls.suspendBox->setChecked(m_settings.readSuspend());
    m_controls.timeEdit->setText(formatTimeOfDay12(m_settings.readShutdownTime()));
    m_controls.waitCombo->setCurrentText(QString());
}

void SleepTimer::onSetOrShow()
{
    if (m_controls.setShowButton->text().size() == tr(kSetCaption).size()) // 18 in English
        onSet();
    else
        disarm();
}

// A wait beside the time wins over it; the time it comes to is shown in the field.
void SleepTimer::onSet()
{
    const QString waitText = m_controls.waitCombo->currentText();
    const int wait = parseWaitMinutes(waitText);
    if (wait < 0) {
        FieldInput(m_prompts).refuse(m_controls.waitCombo, waitFormatMessage(waitText));
        return;
    }
    const QString text = m_controls.timeEdit->text();
    TimeOfDay minutes = parseTimeOfDay(text);
    if (wait > 0) {
        minutes = minuteAfterWait(TimeSource::toLocal(m_time.now()), wait);
        m_controls.timeEdit->setText(formatTimeOfDay12(minutes));
        m_controls.waitCombo->setCurrentText(QString());
    } else if (minutes == kNoTime) {
        FieldInput(m_prompts).refuse(m_controls.timeEdit, timeFormatMessage(text));
        return;
    }
    m_settings.setShutdown(wait > 0 ? m_settings.readShutdownTime() : minutes, m_controls.powerOffBox->isChecked());
    m_settings.setSuspend(m_controls.suspendBox->isChecked());
    m_action = chosenAction();
    m_dailyMinute = wait > 0 ? kNoTime : minutes;
    showEditing(false);
    m_controls.setShowButton->setText(tr(kShowCaption));
    arm(minutes);
}

void SleepTimer::disarm()
{
    showEditing(true);
    m_controls.setShowButton->setText(tr(kSetCaption));
    arm(kNoTime);
}

void SleepTimer::cancel()
{
    if (m_armed)
        disarm();
}

void SleepTimer::postpone(int minutes)
{
    if (m_armed)
        arm((m_minute + minutes) % kDayMinutes);
}

void SleepTimer::arm(TimeOfDay minute)
{
    m_armed = minute != kNoTime;
    m_minute = minute;
    emit armedAt(minute);
}

void SleepTimer::showEditing(bool shown)
{
    const std::initializer_list<QWidget *> fields = {m_controls.timeEdit, m_controls.powerOffBox, m_controls.suspendBox,
                                                     m_controls.waitCombo, m_controls.actionNote};
    for (QWidget *field : fields)
        field->setVisible(shown);
    showChoice();
}

// "Power Off?" unticked asks for a halt, which leaves the machine switched on: the note says so.
void SleepTimer::showChoice()
{
    m_controls.powerOffBox->setEnabled(!m_controls.suspendBox->isChecked());
    m_controls.actionNote->setText(stopActionNote(chosenAction()));
}

StopAction SleepTimer::chosenAction() const
{
    if (m_controls.suspendBox->isChecked())
        return StopAction::Suspend;
    return m_controls.powerOffBox->isChecked() ? StopAction::PowerOff : StopAction::Halt;
}

// A fixed time stops again tomorrow, at its own minute even when put off
// today; a wait stops once, or is over when its minute was missed.
void SleepTimer::atArmedMinute(bool onTime)
{
    if (onTime) {
        m_requested = m_action;
        m_power.requestStop(m_action);
    }
    if (m_dailyMinute == kNoTime)
        disarm();
    else
        arm(m_dailyMinute);
}

QString SleepTimer::name() const
{
    return tr("Sleep timer — %1").arg(showTimeOfDay12(m_minute));
}

// A refusal leaves a fixed time armed: it asks again at the same minute tomorrow.
void SleepTimer::onAnswered(const QString &errorText)
{
    if (!errorText.isEmpty())
        emit refused(refusalFormat(m_requested).arg(errorText));
}
