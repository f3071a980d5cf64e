#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

struct EventRow;
class PromptService;
class TimeSource;
namespace Ui { class ReminderDialogForm; }

// The reminder pop-up, captioned with the event's title: its schedule and
// message, how many minutes until it comes again, and how long it has been
// shown. OK (also Enter) asks for another reminder, "&No Reminder" ends the
// event; Escape and the close box only close it. It opens near the mouse
// pointer, in front, and never waits: the clock goes on while it is open.
class ReminderDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Choice { RemindAgain, NoReminder };
    // Carries out the answer; false keeps the pop-up open (the owner said why).
    using Answer = std::function<bool(Choice choice, int snoozeMinutes)>;

    // Shown at once; it deletes itself once closed.
    static ReminderDialog *open(const EventRow &row, TimeSource &time, PromptService &prompts, Answer answer);
    // The pop-up of that title still open from an earlier reminder, if any.
    static ReminderDialog *openFor(const QString &title);
    // Restored, in front of every other window.
    void bringToFront();

    ~ReminderDialog() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    ReminderDialog(const EventRow &row, TimeSource &time, PromptService &prompts, Answer answer);
    void placeNearPointer();
    void renewElapsed();
    void finish(Choice choice);

    TimeSource &m_time;
    PromptService &m_prompts;
    Answer m_answer;
    std::unique_ptr<Ui::ReminderDialogForm> m_ui;
    QTimer m_timer;
    qint64 m_displayedAt; // calendar seconds
    int m_snoozeMinutes;
};
