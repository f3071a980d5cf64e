#include "events/eventadddialog.h"

#include "core/fieldinput.h"
#include "core/timesource.h"
#include "events/eventrules.h"
#include "events/voicerecorder.h"
#include "ui_eventadddialog.h"

#include <QLocale>

namespace {

// The user's own short date form, with the year in full so that no century is guessed.
QString dateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains("yyyy"))
        format.replace("yy", "yyyy");
    return format;
}

} // namespace

EventAddDialog::EventAddDialog(const EventStore &store, PromptService &prompts, const TimeSource &time,
                               SoundDevice &sound, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_time(time)
    , m_ui(std::make_unique<Ui::EventAddDialogForm>())
{
    m_ui->setupUi(this);
    m_ui->dateEdit->setDisplayFormat(dateFormat());
    m_recorder = new VoiceRecorder({m_ui->recordButton, m_ui->stopButton, m_ui->browseButton,
                                    m_ui->playButton, m_ui->positionSlider, m_ui->positionText,
                                    m_ui->lengthText, m_ui->fileEdit,
                                    {m_ui->storeButton, m_ui->closeButton}},
                                   sound, prompts, this);
    connect(m_ui->storeButton, &QPushButton::clicked, this, &EventAddDialog::store);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &EventAddDialog::reject);

    const LocalTime now = TimeSource::toLocal(time.now());
    m_entry = newEventEntry(dateOf(now), now.hour * 60 + now.minute);
    writeControls();
}

EventAddDialog::~EventAddDialog() = default;

bool EventAddDialog::readControls()
{
    m_entry.date = m_ui->dateEdit->date();
    m_entry.timeText = m_ui->timeEdit->text();
    m_entry.title = m_ui->titleEdit->text();
    m_entry.message = m_ui->messageEdit->toPlainText();
    m_entry.file = m_ui->fileEdit->text();
    FieldInput input(m_prompts);
    return input.takeInteger(m_ui->leadEdit, 0, kMostMinutesAhead, m_entry.leadMinutes)
           && input.takeInteger(m_ui->intervalEdit, 0, kMostMinutesAhead, m_entry.intervalMinutes);
}

void EventAddDialog::writeControls()
{
    m_ui->dateEdit->setDate(m_entry.date);
    m_ui->timeEdit->setText(m_entry.timeText);
    m_ui->titleEdit->setText(m_entry.title);
    m_ui->messageEdit->setPlainText(m_entry.message);
    m_ui->fileEdit->setText(m_entry.file);
    m_ui->leadEdit->setText(QString::number(m_entry.leadMinutes));
    m_ui->intervalEdit->setText(QString::number(m_entry.intervalMinutes));
}

void EventAddDialog::store()
{
    if (!readControls())
        return;
    const QDate today = dateOf(TimeSource::toLocal(m_time.now()));
    if (!storeEventEntry(m_entry, today, m_store, m_prompts))
        return;
    m_recorder->shutDown();
    QDialog::accept();
}

// Also Escape and the close box, which stay usable while recording or playing.
void EventAddDialog::reject()
{
    m_recorder->shutDown();
    QDialog::reject();
}
