#pragma once

#include "prayer/daycalendar.h"

#include <QDialog>
#include <QString>

#include <array>
#include <memory>

class PrayerStore;
class PromptService;
class QLineEdit;
class TimeSource;
namespace Ui { class PrayerEditDialogForm; }

// "View and Edit Prayer Timings": the six stored times of one day, chosen
// by month and day of the current year, and written back to that day's row
// by "&Update" only: "&Done", Escape and the close box close the dialog
// without writing what is shown.
class PrayerEditDialog : public QDialog
{
    Q_OBJECT

public:
    PrayerEditDialog(const PrayerStore &store, PromptService &prompts, const TimeSource &time,
                   QWidget *parent = nullptr);
    ~PrayerEditDialog() override;

    // Reads the row of that day of the chosen month into the six texts.
    // False (after a message) when the day is not in the month, the day has
    // no row or the database fails; the texts then keep what they held.
    bool showDay(int dayOfMonth);
    void onMonthChosen();
    void onSpin(int dayOfMonth);
    void updateDay();

private:
    void readControls();
    void writeControls();
    int dayNumberOr(int dayOfMonth);

    const PrayerStore &m_store;
    PromptService &m_prompts;
    const DayCalendar m_calendar;
    std::unique_ptr<Ui::PrayerEditDialogForm> m_ui;
    std::array<QLineEdit *, 6> m_timeEdits{};

    int m_monthIndex = 0; // 0 = January
    std::array<QString, 6> m_times; // Fajr, Zohor, Asr, Magreb, Isha, Jumma
};
