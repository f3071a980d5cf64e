#include "events/reminderdialog.h"

#include "core/fieldinput.h"
#include "core/timesource.h"
#include "events/eventrow.h"
#include "events/eventtext.h"
#include "ui_reminderdialog.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>

ReminderDialog *ReminderDialog::open(const EventRow &row, TimeSource &time, PromptService &prompts,
                                     Answer answer)
{
    auto *popup = new ReminderDialog(row, time, prompts, std::move(answer));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->show();
    return popup;
}

ReminderDialog::ReminderDialog(const EventRow &row, TimeSource &time, PromptService &prompts, Answer answer)
    : m_time(time)
    , m_prompts(prompts)
    , m_answer(std::move(answer))
    , m_ui(std::make_unique<Ui::ReminderDialogForm>())
    , m_displayedAt(time.now())
    , m_snoozeMinutes(row.interval)
{
    m_ui->setupUi(this);
    setWindowTitle(row.title);
    m_ui->scheduleEdit->setText(scheduleLine(row.date, row.time));
    m_ui->titleEdit->setText(row.title);
    m_ui->messageEdit->setPlainText(row.message);
    m_ui->snoozeEdit->setText(QString::number(m_snoozeMinutes));
    m_ui->displayedEdit->setText(displayedText(TimeSource::toLocal(m_displayedAt)));
    renewElapsed();
    m_ui->snoozeEdit->setFocus();

    connect(m_ui->okButton, &QPushButton::clicked, this, [this] { finish(Choice::RemindAgain); });
    connect(m_ui->noReminderButton, &QPushButton::clicked, this, [this] { finish(Choice::NoReminder); });
    connect(&m_timer, &QTimer::timeout, this, &ReminderDialog::renewElapsed);
    m_timer.start(1000);
    placeNearPointer();
}

ReminderDialog::~ReminderDialog() = default;

ReminderDialog *ReminderDialog::openFor(const QString &title)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *popup = qobject_cast<ReminderDialog *>(window);
        if (popup && popup->isVisible() && popup->windowTitle() == title)
            return popup;
    }
    return nullptr;
}

void ReminderDialog::placeNearPointer()
{
    adjustSize();
    const QPoint pointer = QCursor::pos();
    QRect area(QPoint(), size());
    area.moveCenter(pointer);
    if (const QScreen *screen = QGuiApplication::screenAt(pointer)) {
        const QRect available = screen->availableGeometry();
        area.moveLeft(qBound(available.left(), area.left(), available.right() - area.width()));
        area.moveTop(qBound(available.top(), area.top(), available.bottom() - area.height()));
    }
    move(area.topLeft());
}

void ReminderDialog::bringToFront()
{
    showNormal();
    raise();
    activateWindow();
}

void ReminderDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

void ReminderDialog::renewElapsed()
{
    m_ui->elapsedEdit->setText(elapsedText(qMax<qint64>(0, m_time.now() - m_displayedAt)));
}

// The minutes must be 0..15 for either choice; otherwise the pop-up stays.
void ReminderDialog::finish(Choice choice)
{
    if (FieldInput(m_prompts).takeInteger(m_ui->snoozeEdit, 0, 15, m_snoozeMinutes)
        && m_answer(choice, m_snoozeMinutes))
        accept();
}
