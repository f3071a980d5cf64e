#include "alarms/alarmlistdialog.h"

#include "core/profilesettings.h"
#include "timetext/timeofday.h"
#include "ui_alarmlistdialog.h"

AlarmListDialog::AlarmListDialog(const ProfileSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AlarmListDialogForm>())
{
    m_ui->setupUi(this);
    QTreeWidget *list = m_ui->alarmList;
    const int widths[] = {64, 120, 960};
    for (int column = 0; column < 3; ++column)
        list->setColumnWidth(column, widths[column]);

    // Read afresh: the list shows what Set and Clear last wrote.
    for (const AlarmEntry &alarm : settings.readAlarms()) {
        const QString time = alarm.time == kNoTime ? QString() : formatTimeOfDay12(alarm.time);
        list->addTopLevelItem(new QTreeWidgetItem({alarm.keyName, time, alarm.file}));
    }
}

AlarmListDialog::~AlarmListDialog() = default;
