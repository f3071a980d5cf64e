#include "prayer/prayerbatchdialog.h"

#include "core/fieldinput.h"
#include "core/promptservice.h"
#include "timetext/timeofday.h"
#include "prayer/prayerstore.h"
#include "ui_prayerbatchdialog.h"

#include <QLocale>

PrayerBatchDialog::PrayerBatchDialog(const PrayerStore &store, PromptService &prompts,
                                 const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_calendar(DayCalendar::currentYear(time))
    , m_ui(std::make_unique<Ui::PrayerBatchDialogForm>())
{
    m_ui->setupUi(this);
    m_ui->modeButtons->setId(m_ui->fixedRadio, int(BatchMode::Fixed));
    m_ui->modeButtons->setId(m_ui->ascendingRadio, int(BatchMode::Ascending));
    m_ui->modeButtons->setId(m_ui->descendingRadio, int(BatchMode::Descending));
    connect(m_ui->nextButton, &QPushButton::clicked, this, &PrayerBatchDialog::applyBatch);
    connect(m_ui->doneButton, &QPushButton::clicked, this, &QDialog::accept);

    m_mode = int(BatchMode::Fixed);
    m_prayerIndex = 0;
    m_timeText = "00:00 AM";
    writeControls();
}

PrayerBatchDialog::~PrayerBatchDialog() = default;

bool PrayerBatchDialog::readControls()
{
    m_prayerIndex = m_ui->prayerList->currentIndex();
    if (!FieldInput(m_prompts).takeInteger(m_ui->fromDayEdit, 0, 31, m_fromDay)
        || !FieldInput(m_prompts).takeInteger(m_ui->fromMonthEdit, 0, 12, m_fromMonth)
        || !FieldInput(m_prompts).takeInteger(m_ui->toDayEdit, 0, 31, m_toDay)
        || !FieldInput(m_prompts).takeInteger(m_ui->toMonthEdit, 0, 12, m_toMonth)) {
        return false;
    }
    m_mode = m_ui->modeButtons->checkedId();
    m_timeText = m_ui->timeEdit->text();
    return FieldInput(m_prompts).takeInteger(m_ui->stepEdit, 0, 10, m_step);
}

void PrayerBatchDialog::writeControls()
{
    m_ui->prayerList->setCurrentIndex(m_prayerIndex);
    m_ui->fromDayEdit->setText(QString::number(m_fromDay));
    m_ui->fromMonthEdit->setText(QString::number(m_fromMonth));
    m_ui->toDayEdit->setText(QString::number(m_toDay));
    m_ui->toMonthEdit->setText(QString::number(m_toMonth));
    if (QAbstractButton *mode = m_ui->modeButtons->button(m_mode))
        mode->setChecked(true);
    m_ui->timeEdit->setText(m_timeText);
    m_ui->stepEdit->setText(QString::number(m_step));
    m_ui->statusLabel->setText(m_status);
}

void PrayerBatchDialog::setStatus(const QString &text)
{
    m_status = text;
    m_ui->statusLabel->setText(text);
}

void PrayerBatchDialog::applyBatch()
{
    if (!readControls() || m_prayerIndex < 0)
        return;

    const TimeOfDay start = parseTimeOfDay(m_timeText);
    if (start == kNoTime) {
        m_status = timeFormatMessage(m_timeText);
        writeControls();
        warn(m_prompts, m_status, tr("Time Value"));
        return;
    }
    const std::optional<BatchPeriod> period =
        batchPeriodOf(m_calendar, m_fromDay, m_fromMonth, m_toDay, m_toMonth);
    if (!period) {
        warn(m_prompts, tr("Please check your Day and Month figures."), tr("Error in data period"));
        return;
    }
    const auto mode = m_mode < 0 ? BatchMode::Fixed : BatchMode(m_mode);
    const QList<BatchDay> days = batchDays(*period, start, mode, m_step, m_calendar.daysInYear());
    if (const std::optional<BatchDay> outside = firstOutsideTheDay(days)) {
        const QDate date = QDate(m_calendar.year(), 1, 1).addDays(outside->dayNumber - 1);
        warn(m_prompts,
             tr("On %1 the time would be %2 minutes from midnight, outside the day. Choose another time or a "
                     "smaller step; nothing was written.")
                 .arg(QLocale().toString(date, "d MMMM"))
                 .arg(outside->minutes),
             tr("Time Value"));
        return;
    }
    writeBatch(*period, days);
}

void PrayerBatchDialog::writeBatch(BatchPeriod period, const QList<BatchDay> &days)
{
    DbSession session = m_store.openSession();
    // The list's items are shown translated; the columns keep their names.
    static const QStringList columns{"Fajr", "Zohor", "Asr", "Magreb", "Isha", "Jumma"};
    const QString column = columns.value(m_prayerIndex);
    // One transaction: a failure on any day leaves every day as it was.
    const DbStatus written = session.transaction([&] {
        const auto rows = m_store.selectDayRange(session, period.first, period.last);
        if (!rows.ok())
            return DbStatus(rows);
        // An empty period means a table not filled yet: give it a row for every
        // day of any year. Otherwise only days of the period that lack one.
        const bool across = period.last < period.first;
        const auto added = rows.value().isEmpty() || across
            ? m_store.insertMissingDays(session, 1, PrayerStore::LastDay)
            : m_store.insertMissingDays(session, period.first, period.last);
        if (!added.ok())
            return DbStatus(added);
        for (const BatchDay &day : days) {
            if (const DbStatus updated = m_store.updateOnePrayer(session, column, day.minutes, day.dayNumber);
                !updated.ok())
                return updated;
            setStatus(tr("Current record is %1").arg(day.dayNumber));
        }
        return DbStatus();
    });
    reportDbError(written, m_prompts);
}
