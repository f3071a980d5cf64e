#pragma once

#include <QDialog>

#include <memory>

class PrayerStore;
class PromptService;
class TimeSource;
namespace Ui { class TimingsExportDialogForm; }

// "Export Timings": the stored prayer times of a chosen period into a
// calendar file, each prayer an event of its own.
class TimingsExportDialog : public QDialog
{
    Q_OBJECT

public:
    TimingsExportDialog(const PrayerStore &store, PromptService &prompts, const TimeSource &time,
                        QWidget *parent = nullptr);
    ~TimingsExportDialog() override;

    // "&Export": asks for the file and writes it; the dialog closes once it is written.
    void exportTimings();

private:
    const PrayerStore &m_store;
    PromptService &m_prompts;
    const TimeSource &m_time;
    std::unique_ptr<Ui::TimingsExportDialogForm> m_ui;
};
