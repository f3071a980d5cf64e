#pragma once

#include "core/profilesettings.h"

#include <QDialog>

#include <memory>

namespace Ui {
class AlarmListDialogForm;
}
class QTreeWidgetItem;

// "View all ALARMS": the sixteen slots as the profile holds them, one row
// each. A set slot's name, days and "once" are edited in place and stored
// at once. It has no buttons; Escape or the close box end it.
class AlarmListDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AlarmListDialog(ProfileSettings &settings, QWidget *parent = nullptr);
    ~AlarmListDialog() override;

private:
    void addRow(const AlarmEntry &alarm);
    void onItemChanged(QTreeWidgetItem *item);

    std::unique_ptr<Ui::AlarmListDialogForm> m_ui;
    ProfileSettings &m_settings;
    AlarmSlots m_alarms; // as read when the list opened, with the edits since
};
