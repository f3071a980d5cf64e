#include "events/eventviewdialog.h"

#include "core/promptservice.h"
#include "core/timesource.h"
#include "events/eventrules.h"
#include "events/eventstore.h"
#include "events/eventtext.h"
#include "timetext/timeofday.h"
#include "ui_eventviewdialog.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

// What an empty day shows, so that the list is never blank.
const QString kNoEventsItem(31, u' ');
// An item's index in the day's keys.
constexpr int kKeyRole = Qt::UserRole;

} // namespace

EventViewDialog::EventViewDialog(const EventStore &store, PromptService &prompts,
                                 const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_ui(std::make_unique<Ui::EventViewDialogForm>())
{
    m_ui->setupUi(this);
    if (store.databaseThere())
        m_session = std::make_unique<DbSession>(store.dataSource());

    const QDate today = dateOf(TimeSource::toLocal(time.now()));
    m_monthIndex = today.month() - 1;
    m_day = today.day();
    m_yearIndex = today.year() - kFirstYear;
    QComboBox *years = m_ui->yearList;
    for (int year = kFirstYear + years->count(); year <= today.year() + 10; ++year)
        years->addItem(QString::number(year));
    m_ui->eventList->installEventFilter(this);
    {
        const QSignalBlocker blocker(m_ui->daySpin);
        m_ui->daySpin->setRange(1, monthLength());
        m_ui->daySpin->setValue(m_day);
    }
    {
        const QSignalBlocker month(m_ui->monthList), year(years);
        m_ui->monthList->setCurrentIndex(m_monthIndex);
        years->setCurrentIndex(m_yearIndex);
    }

    connect(m_ui->daySpin, &QSpinBox::valueChanged, this, [this](int day) {
        m_day = day;
        refreshList();
    });
    connect(m_ui->monthList, &QComboBox::currentIndexChanged, this, &EventViewDialog::onMonthOrYearChosen);
    connect(years, &QComboBox::currentIndexChanged, this, &EventViewDialog::onMonthOrYearChosen);
    connect(m_ui->eventList, &QTreeWidget::currentItemChanged, this,
            [this](const QTreeWidgetItem *item) { showDetails(item); });
    connect(m_ui->deleteButton, &QPushButton::clicked, this, &EventViewDialog::deleteShownEvent);
    connect(m_ui->doneButton, &QPushButton::clicked, this, &QDialog::accept);

    if (!m_session || m_session->openStatus().ok())
        refreshList();
}

EventViewDialog::~EventViewDialog() = default;

int EventViewDialog::exec()
{
    if (m_session && !reportDbError(m_session->openStatus(), m_prompts))
        return Rejected;
    return QDialog::exec();
}

QDate EventViewDialog::chosenDate() const
{
    return QDate(kFirstYear + m_yearIndex, m_monthIndex + 1, m_day);
}

int EventViewDialog::monthLength() const
{
    return QDate(kFirstYear + m_yearIndex, m_monthIndex + 1, 1).daysInMonth();
}

void EventViewDialog::onMonthOrYearChosen()
{
    m_monthIndex = m_ui->monthList->currentIndex();
    m_yearIndex = m_ui->yearList->currentIndex();
    const QSignalBlocker blocker(m_ui->daySpin);
    // A shorter month takes the day down to its last.
    m_ui->daySpin->setRange(1, monthLength());
    m_day = m_ui->daySpin->value();
    refreshList();
}

void EventViewDialog::refreshList()
{
    QTreeWidget *list = m_ui->eventList;
    list->clear();
    m_listed.clear();
    if (m_session) {
        const auto found = m_store.dayList(*m_session, chosenDate());
        if (!reportDbError(found, m_prompts))
            return;
        m_listed = found.value();
    }
    const QSignalBlocker blocker(list);
    QList<QTreeWidgetItem *> items;
    items.reserve(m_listed.size());
    for (int i = 0; i < m_listed.size(); ++i) {
        auto *item = new QTreeWidgetItem({eventListText(m_listed[i].time, m_listed[i].title)});
        item->setData(0, kKeyRole, i);
        items << item;
    }
    if (items.isEmpty())
        items << new QTreeWidgetItem({kNoEventsItem});
    list->addTopLevelItems(items);
    list->setCurrentItem(list->topLevelItem(0));
    list->scrollToTop();
    // The details shown are those of the top item, and "De&lete" acts on it at once.
    showDetails(list->topLevelItem(0));
}

void EventViewDialog::showDetails(const QTreeWidgetItem *item)
{
    const QVariant index = item ? item->data(0, kKeyRole) : QVariant();
    const std::optional<EventKey> key =
        index.isValid() ? std::optional(m_listed.value(index.toInt())) : std::nullopt;
    if (key == m_shown)
        return;
    m_shown = key;
    m_message.clear();
    m_file.clear();
    m_remindTime.clear();
    m_remindDate.clear();
    writeDetails();
    if (!key || !m_session)
        return;
    const auto row = m_store.details(*m_session, *key);
    if (!reportDbError(row, m_prompts) || !row.value())
        return;
    m_message = row.value()->message;
    m_file = row.value()->playFile;
    m_remindTime = formatTimeOfDay12(row.value()->reminder.minutes);
    m_remindDate = reminderDateText(row.value()->reminder.date);
    writeDetails();
}

void EventViewDialog::writeDetails()
{
    m_ui->messageEdit->setPlainText(m_message);
    m_ui->fileEdit->setText(m_file);
    m_ui->remindTimeEdit->setText(m_remindTime);
    m_ui->remindDateEdit->setText(m_remindDate);
}

void EventViewDialog::deleteShownEvent()
{
    if (!m_shown || !m_session)
        return;
    if (reportDbError(m_store.remove(*m_session, *m_shown), m_prompts))
        refreshList();
}

// Enter in the list answers as it always has, and keeps the dialog open.
bool EventViewDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui->eventList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_prompts.messageBox(tr("In the return Title"), "Chimewise", PromptService::Buttons::Ok,
                                 PromptService::Icon::Information);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
