#pragma once

#include "prayer/citysettings.h"

#include <QDialog>
#include <QString>

#include <memory>

class PrayerStore;
class PromptService;
class QLineEdit;
class TimeSource;
namespace Ui { class CityInfoDlgForm; }

// "Update Prayer Timings from City Information": pick or type a place, set
// how its times are computed, and "&Generate" writes the whole current year
// into the per-day table and saves the place in the city table.
class CCityInfoDlg : public QDialog
{
    Q_OBJECT

public:
    CCityInfoDlg(const PrayerStore &store, PromptService &prompts, const TimeSource &time,
                 QWidget *parent = nullptr);
    ~CCityInfoDlg() override;

    void InitCityDialog();
    // Rebuilds the list from the city table and selects `keep`, else the first city.
    void FillCityList(const QString &keep = {});
    // False after a database error, which also closes the dialog.
    bool LoadSelectedCity();
    void OnFiqhChosen();
    void OnRatioChosen();
    // False when nothing was written: a value to correct, or a database error.
    bool GeneratePrayerYear();
    void SaveCity();

    const CitySettings &settings() const { return m_settings; }

    void accept() override;

private:
    bool ReadControls();
    void WriteControls();
    // Without a range (infinite bounds) only a number is asked for.
    void ShowStatus(const QString &text);
    void CloseAsCancelled();

    const PrayerStore &m_store;
    PromptService &m_prompts;
    const TimeSource &m_time;
    std::unique_ptr<Ui::CityInfoDlgForm> m_ui;
    CitySettings m_settings;
};
