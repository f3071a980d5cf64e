#pragma once

#include "prayer/citysettings.h"

#include <QDialog>
#include <QString>

#include <memory>

class PrayerStore;
class PromptService;
class QLineEdit;
class TimeSource;
namespace Ui { class CityInfoDialogForm; }

// "Update Prayer Timings from City Information": pick or type a place, set
// how its times are computed, and "&Generate" writes the whole current year
// into the per-day table and saves the place in the city table.
class CityInfoDialog : public QDialog
{
    Q_OBJECT

public:
    CityInfoDialog(const PrayerStore &store, PromptService &prompts, const TimeSource &time,
                 QWidget *parent = nullptr);
    ~CityInfoDialog() override;

    void initCityDialog();
    // Rebuilds the list from the city table and selects `keep`, else the first city.
    void fillCityList(const QString &keep = {});
    // False after a database error, which also closes the dialog.
    bool loadSelectedCity();
    void onFiqhChosen();
    void onRatioChosen();
    // False when nothing was written: a value to correct, a question
    // answered No, or a database error.
    bool generatePrayerYear();
    // False, once told, when the city could not be saved.
    bool saveCity();

    const CitySettings &settings() const { return m_settings; }

    void accept() override;

private:
    bool readControls();
    bool readZone();
    bool readMethod();
    void writeControls();
    void writeZone();
    void writeMethod();
    void onZoneChosen();
    // The warnings and the question a generation puts first; false: do not go on.
    bool confirmGeneration(int year, int days);
    void suggestZone();
    int currentYear() const; // the year a generation writes
    // Without a range (infinite bounds) only a number is asked for.
    void showStatus(const QString &text);
    void closeAsCancelled();

    const PrayerStore &m_store;
    PromptService &m_prompts;
    const TimeSource &m_time;
    std::unique_ptr<Ui::CityInfoDialogForm> m_ui;
    CitySettings m_settings;
};
