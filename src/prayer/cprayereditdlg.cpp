#include "prayer/cprayereditdlg.h"

#include "app/fieldinput.h"
#include "app/promptservice.h"
#include "app/timetext/timeofday.h"
#include "prayer/prayerstore.h"
#include "prayer/prayertimetext.h"
#include "ui_prayereditdlg.h"

#include <QSignalBlocker>

CPrayerEditDlg::CPrayerEditDlg(const PrayerStore &store, PromptService &prompts,
                               const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_calendar(DayCalendar::currentYear(time))
    , m_ui(std::make_unique<Ui::PrayerEditDlgForm>())
{
    m_ui->setupUi(this);
    m_timeEdits = {m_ui->fajrEdit, m_ui->zohorEdit, m_ui->asrEdit,
                   m_ui->magrebEdit, m_ui->ishaEdit, m_ui->jummaEdit};

    connect(m_ui->monthList, &QComboBox::currentIndexChanged, this, &CPrayerEditDlg::OnMonthChosen);
    connect(m_ui->daySpin, &QSpinBox::valueChanged, this, &CPrayerEditDlg::OnSpin);
    connect(m_ui->updateButton, &QPushButton::clicked, this, &CPrayerEditDlg::UpdateDay);
    connect(m_ui->doneButton, &QPushButton::clicked, this, [this] {
        ReadControls();
        accept();
    });

    {
        const QSignalBlocker blocker(m_ui->daySpin);
        m_ui->daySpin->setRange(1, m_calendar.daysInMonth(1));
        m_ui->daySpin->setValue(1);
    }
    ShowDay(1);
    WriteControls();
}

CPrayerEditDlg::~CPrayerEditDlg() = default;

void CPrayerEditDlg::ReadControls()
{
    m_monthIndex = m_ui->monthList->currentIndex();
    for (int i = 0; i < int(m_times.size()); ++i)
        m_times[i] = m_timeEdits[i]->text();
}

void CPrayerEditDlg::WriteControls()
{
    const QSignalBlocker blocker(m_ui->monthList);
    m_ui->monthList->setCurrentIndex(m_monthIndex);
    for (int i = 0; i < int(m_times.size()); ++i)
        m_timeEdits[i]->setText(m_times[i]);
}

// The day number of that day in the chosen month, or 0 after telling the user.
int CPrayerEditDlg::DayNumberOr(int dayOfMonth)
{
    const int day = m_calendar.dayNumber(m_monthIndex + 1, dayOfMonth);
    if (day == 0)
        Warn(m_prompts, "Invalid Data", "Day Value");
    return day;
}

bool CPrayerEditDlg::ShowDay(int dayOfMonth)
{
    const int day = DayNumberOr(dayOfMonth);
    if (day == 0)
        return false;

    DbSession session = m_store.openSession();
    const auto row = m_store.LoadDayRow(session, day);
    if (!ReportDbError(row, m_prompts))
        return false;
    if (!row.value()) {
        Warn(m_prompts, "Can not update\nEmpty records", "Database Operation");
        return false;
    }
    for (int i = 0; i < int(m_times.size()); ++i)
        m_times[i] = FormatPrayerTime(row.value()->times.minutes[i]);
    return true;
}

void CPrayerEditDlg::OnMonthChosen()
{
    ReadControls();
    QSpinBox *spin = m_ui->daySpin;
    {
        // Shortening the range moves the day to the month's last; that is shown below.
        const QSignalBlocker blocker(spin);
        spin->setRange(1, m_calendar.daysInMonth(m_monthIndex + 1));
    }
    ShowDay(spin->value());
    WriteControls();
}

void CPrayerEditDlg::OnSpin(int dayOfMonth)
{
    ReadControls();
    ShowDay(dayOfMonth);
    WriteControls();
}

void CPrayerEditDlg::UpdateDay()
{
    const int dayOfMonth = m_ui->daySpin->value();
    ReadControls();

    PrayerTimes times;
    for (int i = 0; i < int(m_times.size()); ++i) {
        times.minutes[i] = ParseTimeOfDay(m_times[i]);
        if (times.minutes[i] == kNoTime) {
            Warn(m_prompts, "Error in Time value", "Check your Time Value");
            m_timeEdits[i]->setFocus();
            return;
        }
    }
    const int day = DayNumberOr(dayOfMonth);
    if (day == 0)
        return;

    DbSession session = m_store.openSession();
    ReportDbError(m_store.UpdateDayRow(session, day, times), m_prompts);
}

// Escape and the close box arrive here: they write the shown times, as the
// dialog always has, and leave it open.
void CPrayerEditDlg::reject()
{
    UpdateDay();
}
