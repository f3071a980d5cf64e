#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AlarmListDialogForm;
}
class ProfileSettings;

// "View all ALARMS": the sixteen slots as the profile holds them, one row
// each. It has no buttons; Escape or the close box end it.
class AlarmListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AlarmListDialog(const ProfileSettings &settings, QWidget *parent = nullptr);
    ~AlarmListDialog() override;

private:
    std::unique_ptr<Ui::AlarmListDialogForm> m_ui;
};
