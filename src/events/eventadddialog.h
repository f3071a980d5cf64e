#pragma once

#include "events/evententry.h"

#include <QDialog>

#include <memory>

class EventStore;
class PromptService;
class SoundDevice;
class TimeSource;
class VoiceRecorder;
namespace Ui { class EventAddDialogForm; }

// "Add a new event": date, time, subject, message, the first reminder's
// lead and the interval, and a wave file chosen or recorded here. "&Store"
// writes the event and closes; "&Close", Escape and the close box store
// nothing.
class EventAddDialog : public QDialog
{
    Q_OBJECT

public:
    EventAddDialog(const EventStore &store, PromptService &prompts, const TimeSource &time,
                   SoundDevice &sound, QWidget *parent = nullptr);
    ~EventAddDialog() override;

    void store();

public slots:
    void reject() override;

private:
    bool readControls();
    void writeControls();

    const EventStore &m_store;
    PromptService &m_prompts;
    const TimeSource &m_time;
    std::unique_ptr<Ui::EventAddDialogForm> m_ui;
    VoiceRecorder *m_recorder;
    EventEntry m_entry;
};
