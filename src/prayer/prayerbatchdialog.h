#pragma once

#include "prayer/daycalendar.h"
#include "prayer/prayerbatchplan.h"

#include <QDialog>
#include <QString>

#include <memory>

class PrayerStore;
class PromptService;
class QLineEdit;
class TimeSource;
namespace Ui { class PrayerBatchDialogForm; }

// "Update Prayer Time in Batch": one prayer's time for a period of days of
// the current year, fixed or moving by some minutes from day to day.
class PrayerBatchDialog : public QDialog
{
    Q_OBJECT

public:
    PrayerBatchDialog(const PrayerStore &store, PromptService &prompts, const TimeSource &time,
                    QWidget *parent = nullptr);
    ~PrayerBatchDialog() override;

    // "&Next": writes the chosen prayer's time into every day of the period.
    void applyBatch();

private:
    // False (after a message, with the focus on the field) when a number is
    // outside its range; the batch then stops rather than use older values.
    bool readControls();
    void writeControls();
    void writeBatch(BatchPeriod period, const QList<BatchDay> &days);
    void setStatus(const QString &text);

    const PrayerStore &m_store;
    PromptService &m_prompts;
    const DayCalendar m_calendar;
    std::unique_ptr<Ui::PrayerBatchDialogForm> m_ui;

    int m_prayerIndex = -1; // into "Fajr" … "Jumma"
    int m_fromDay = 0;
    int m_fromMonth = 0;
    int m_toDay = 0;
    int m_toMonth = 0;
    int m_mode = -1; // BatchMode, -1 = none chosen
    QString m_timeText;
    int m_step = 0; // minutes per day
    QString m_status;
};
