#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>

struct EventRow;
class PromptService;
class TimeSource;
namespace Ui { class ReminderDialogForm; }

// The reminder pop-up, captioned with the event's title: its schedule and
// message, how many minutes until it comes again, and how long it has been
// shown. OK (also Enter) asks for another reminder, "&No Reminder" ends the
// event; Escape and the close box only close it. It opens near the mouse
// pointer and comes to the front.
class ReminderDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { None, RemindAgain, NoReminder };

    ReminderDialog(const EventRow &row, TimeSource &time, PromptService &prompts,
                   QWidget *parent = nullptr);
    ~ReminderDialog() override;

    // The pop-up of that title still open from an earlier reminder, if any.
    static ReminderDialog *openFor(const QString &title);
    // Restored, in front of every other window.
    void bringToFront();

    Choice choice() const { return m_choice; }
    int snoozeMinutes() const { return m_snoozeMinutes; }
    // Whole minutes shown as elapsed when the pop-up closed.
    int elapsedMinutes() const { return int(m_elapsedSeconds / 60); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void placeNearPointer();
    void renewElapsed();
    void finish(Choice choice);

    TimeSource &m_time;
    PromptService &m_prompts;
    std::unique_ptr<Ui::ReminderDialogForm> m_ui;
    QTimer m_timer;
    qint64 m_displayedAt; // calendar seconds
    qint64 m_elapsedSeconds = 0;
    int m_snoozeMinutes;
    Choice m_choice = Choice::None;
};
