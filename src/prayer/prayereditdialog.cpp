#include "prayer/prayereditdialog.h"

#include "core/fieldinput.h"
#include "core/promptservice.h"
#include "timetext/timeofday.h"
#include "prayer/prayerstore.h"
#include "prayer/prayertimetext.h"
#include "ui_prayereditdialog.h"

#include <QSignalBlocker>

PrayerEditDialog::PrayerEditDialog(const PrayerStore &store, PromptService &prompts,
                               const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_calendar(DayCalendar::currentYear(time))
    , m_ui(std::make_unique<Ui::PrayerEditDialogForm>())
{
    m_ui->setupUi(this);
    m_timeEdits = {m_ui->fajrEdit, m_ui->zohorEdit, m_ui->asrEdit,
                   m_ui->magrebEdit, m_ui->ishaEdit, m_ui->jummaEdit};

    connect(m_ui->monthList, &QComboBox::currentIndexChanged, this, &PrayerEditDialog::onMonthChosen);
    connect(m_ui->daySpin, &QSpinBox::valueChanged, this, &PrayerEditDialog::onSpin);
    connect(m_ui->updateButton, &QPushButton::clicked, this, &PrayerEditDialog::updateDay);
    connect(m_ui->doneButton, &QPushButton::clicked, this, [this] {
        readControls();
        accept();
    });

    {
        const QSignalBlocker blocker(m_ui->daySpin);
        m_ui->daySpin->setRange(1, m_calendar.daysInMonth(1));
        m_ui->daySpin->setValue(1);
    }
    showDay(1);
    writeControls();
}

PrayerEditDialog::~PrayerEditDialog() = default;

void PrayerEditDialog::readControls()
{
    m_monthIndex = m_ui->monthList->currentIndex();
    for (int i = 0; i < int(m_times.size()); ++i)
        m_times[i] = m_timeEdits[i]->text();
}

void PrayerEditDialog::writeControls()
{
    const QSignalBlocker blocker(m_ui->monthList);
    m_ui->monthList->setCurrentIndex(m_monthIndex);
    for (int i = 0; i < int(m_times.size()); ++i)
        m_timeEdits[i]->setText(m_times[i]);
}

// The day number of that day in the chosen month, or 0 after telling the user.
int PrayerEditDialog::dayNumberOr(int dayOfMonth)
{
    const int day = m_calendar.dayNumber(m_monthIndex + 1, dayOfMonth);
    if (day == 0)
        warn(m_prompts, tr("Invalid Data"), tr("Day Value"));
    return day;
}

bool PrayerEditDialog::showDay(int dayOfMonth)
{
    const int day = dayNumberOr(dayOfMonth);
    if (day == 0)
        return false;

    DbSession session = m_store.openSession();
    const auto row = m_store.loadDayRow(session, day);
    if (!reportDbError(row, m_prompts))
        return false;
    if (!row.value()) {
        // The fields would otherwise still show the day shown before.
        m_times.fill(QString());
        warn(m_prompts, tr("This day has no times yet: type them and press Update to store them."),
             tr("Database Operation"));
        return false;
    }
    for (int i = 0; i < int(m_times.size()); ++i)
        m_times[i] = formatPrayerTime(row.value()->times.minutes[i]);
    return true;
}

void PrayerEditDialog::onMonthChosen()
{
    readControls();
    QSpinBox *spin = m_ui->daySpin;
    {
        // Shortening the range moves the day to the month's last; that is shown below.
        const QSignalBlocker blocker(spin);
        spin->setRange(1, m_calendar.daysInMonth(m_monthIndex + 1));
    }
    showDay(spin->value());
    writeControls();
}

void PrayerEditDialog::onSpin(int dayOfMonth)
{
    readControls();
    showDay(dayOfMonth);
    writeControls();
}

void PrayerEditDialog::updateDay()
{
    const int dayOfMonth = m_ui->daySpin->value();
    readControls();

    PrayerTimes times;
    for (int i = 0; i < int(m_times.size()); ++i) {
        times.minutes[i] = parseTimeOfDay(m_times[i]);
        if (times.minutes[i] == kNoTime) {
            warn(m_prompts, tr("Error in Time value"), tr("Check your Time Value"));
            m_timeEdits[i]->setFocus();
            return;
        }
    }
    const int day = dayNumberOr(dayOfMonth);
    if (day == 0)
        return;

    DbSession session = m_store.openSession();
    const DbResult<int> added = m_store.insertMissingDays(session, day, day);
    if (reportDbError(added, m_prompts))
        reportDbError(m_store.updateDayRow(session, day, times), m_prompts);
}
