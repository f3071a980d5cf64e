#include "alarms/alarmlistdialog.h"

#include "timetext/timeofday.h"
#include "ui_alarmlistdialog.h"

namespace {

enum Column { Key, Time, Name, Monday, Once = Monday + 7, File };

} // namespace

AlarmListDialog::AlarmListDialog(ProfileSettings &settings, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AlarmListDialogForm>())
    , m_settings(settings)
    // Read afresh: the list shows what Set and Clear last wrote.
    , m_alarms(settings.readAlarms())
{
    m_ui->setupUi(this);
    QTreeWidget *list = m_ui->alarmList;
    list->setColumnWidth(Key, 64);
    list->setColumnWidth(Time, 120);
    list->setColumnWidth(Name, 120);
    for (int day = Monday; day <= Once; ++day)
        list->setColumnWidth(day, 36);
    list->setColumnWidth(File, 960);
    for (const AlarmEntry &alarm : m_alarms)
        addRow(alarm);
    connect(list, &QTreeWidget::itemChanged, this, &AlarmListDialog::onItemChanged);
    // Whatever column was clicked, the name is what opens for typing.
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(list, &QTreeWidget::itemActivated, this, [list](QTreeWidgetItem *item) {
        if (item->flags() & Qt::ItemIsEditable)
            list->editItem(item, Name);
    });
}

AlarmListDialog::~AlarmListDialog() = default;

// A free slot has nothing to edit.
void AlarmListDialog::addRow(const AlarmEntry &alarm)
{
    const bool set = alarm.time != kNoTime;
    auto *row = new QTreeWidgetItem(m_ui->alarmList);
    row->setText(Key, alarm.keyName);
    row->setText(Time, set ? formatTimeOfDay12(alarm.time) : QString());
    row->setText(File, alarm.file);
    if (!set)
        return;
    row->setFlags(row->flags() | Qt::ItemIsEditable | Qt::ItemIsUserCheckable);
    row->setText(Name, alarm.name);
    for (int day = 0; day < 7; ++day)
        row->setCheckState(Monday + day, alarm.days & (1 << day) ? Qt::Checked : Qt::Unchecked);
    row->setCheckState(Once, alarm.once ? Qt::Checked : Qt::Unchecked);
}

// Only the name and the ticks are the user's to change; a slot keeps at least one day.
void AlarmListDialog::onItemChanged(QTreeWidgetItem *item)
{
    const int slot = m_ui->alarmList->indexOfTopLevelItem(item);
    AlarmEntry &alarm = m_alarms[slot];
    int days = 0;
    for (int day = 0; day < 7; ++day)
        days |= (item->checkState(Monday + day) == Qt::Checked) << day;
    if (days == 0) {
        const QSignalBlocker quiet(m_ui->alarmList);
        for (int day = 0; day < 7; ++day)
            item->setCheckState(Monday + day, alarm.days & (1 << day) ? Qt::Checked : Qt::Unchecked);
        return;
    }
    alarm.days = days;
    alarm.once = item->checkState(Once) == Qt::Checked;
    alarm.name = item->text(Name).trimmed();
    m_settings.setAlarm(slot, alarm);
}
