#pragma once

#include <QDialog>

#include <memory>

class ProfileSettings;
namespace Ui { class PrayerAlertDialogForm; }

// "Prayer Alerts and Hijri Date": how many minutes before each prayer a
// chime and a notice come (0: none), and the days added to the Hijri date.
// OK writes them to the profile; the schedule and the window use them at once.
class PrayerAlertDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrayerAlertDialog(ProfileSettings &settings, QWidget *parent = nullptr);
    ~PrayerAlertDialog() override;

    void accept() override;

private:
    ProfileSettings &m_settings;
    std::unique_ptr<Ui::PrayerAlertDialogForm> m_ui;
};
