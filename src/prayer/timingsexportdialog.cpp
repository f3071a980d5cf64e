#include "prayer/timingsexportdialog.h"

#include "core/promptservice.h"
#include "core/timesource.h"
#include "prayer/timingscalendar.h"
#include "ui_timingsexportdialog.h"

namespace {

const char kCaption[] = QT_TRANSLATE_NOOP("TimingsExportDialog", "Export Timings");

} // namespace

TimingsExportDialog::TimingsExportDialog(const PrayerStore &store, PromptService &prompts,
                                         const TimeSource &time, QWidget *parent)
    : QDialog(parent)
    , m_store(store)
    , m_prompts(prompts)
    , m_time(time)
    , m_ui(std::make_unique<Ui::TimingsExportDialogForm>())
{
    m_ui->setupUi(this);
    // A month from today, which a calendar program then shows ahead.
    const QDate today = TimeSource::toLocal(time.now()).date();
    m_ui->fromEdit->setDate(today);
    m_ui->toEdit->setDate(today.addMonths(1).addDays(-1));
    connect(m_ui->exportButton, &QPushButton::clicked, this, &TimingsExportDialog::exportTimings);
    connect(m_ui->closeButton, &QPushButton::clicked, this, &TimingsExportDialog::reject);
}

TimingsExportDialog::~TimingsExportDialog() = default;

void TimingsExportDialog::exportTimings()
{
    const QDate first = m_ui->fromEdit->date();
    const QDate last = m_ui->toEdit->date();
    if (const QString problem = timingsPeriodProblem(first, last); !problem.isEmpty()) {
        m_prompts.messageBox(problem, tr(kCaption), PromptService::Buttons::Ok, PromptService::Icon::Warning);
        return;
    }
    const QString path = m_prompts.saveFile({"ics", "Prayer times.ics", tr("Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||")});
    if (path.isEmpty())
        return;
    const CalendarOutcome outcome = exportPrayerTimings(path, m_store, first, last, m_time.now());
    m_prompts.messageBox(outcome.text, tr(kCaption), PromptService::Buttons::Ok,
                         outcome.done ? PromptService::Icon::Information : PromptService::Icon::Warning);
    if (outcome.done)
        accept();
}
