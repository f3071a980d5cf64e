#pragma once

#include "events/eventrow.h"

#include <QDialog>

#include <memory>
#include <optional>

class DbSession;
class EventStore;
class PromptService;
class QTreeWidgetItem;
class TimeSource;
namespace Ui { class EventViewDialogForm; }

// "Display Previously Entered Events": one day's events, listed by the text
// of their time and title, the details of the one selected, and "De&lete".
// One database connection serves the dialog while it is open.
class EventViewDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstYear = 1998;

    EventViewDialog(const EventStore &store, PromptService &prompts, const TimeSource &time,
                    QWidget *parent = nullptr);
    ~EventViewDialog() override;

    // A database that cannot be opened is reported, and the dialog does not open.
    int exec() override;

    void refreshList();
    void deleteShownEvent();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onMonthOrYearChosen();
    void showDetails(const QTreeWidgetItem *item);
    void writeDetails();
    QDate chosenDate() const;
    int monthLength() const;

    const EventStore &m_store;
    PromptService &m_prompts;
    std::unique_ptr<DbSession> m_session; // none while there is no database yet
    std::unique_ptr<Ui::EventViewDialogForm> m_ui;

    int m_monthIndex = 0; // 0 = January
    int m_yearIndex = 0;  // the year is kFirstYear + index
    int m_day = 1;
    QList<EventKey> m_listed; // the day's events, in the list's order
    std::optional<EventKey> m_shown; // the event whose details are shown
    QString m_message;
    QString m_file;
    QString m_remindTime;
    QString m_remindDate;
};
