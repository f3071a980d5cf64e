#include "app/clockdialog.h"

#include "alarms/alarmlistdialog.h"
#include "alarms/alarmpanel.h"
#include "alarms/alarmringer.h"
#include "alarms/alarmsnooze.h"
#include "sound/soundchannel.h"
#include "app/channelcontrols.h"
#include "app/clockfaceextension.h"
#include "app/clockmenus.h"
#include "app/clocksurface.h"
#include "app/clocktray.h"
#include "app/commandids.h"
#include "app/desktopnotification.h"
#include "app/footerlink.h"
#include "app/ringingnotice.h"
#include "app/scheduledwork.h"
#include "app/shutdownwarning.h"
#include "core/clockschedule.h"
#include "core/loginstart.h"
#include "core/promptservice.h"
#include "db/databasesetup.h"
#include "db/datasource.h"
#include "events/calendarcommands.h"
#include "events/calendarimport.h"
#include "events/eventadddialog.h"
#include "events/eventreminders.h"
#include "events/eventstore.h"
#include "events/eventviewdialog.h"
#include "core/timesource.h"
#include "timetext/clocktext.h"
#include "prayer/cityinfodialog.h"
#include "prayer/prayeralertdialog.h"
#include "prayer/prayerbatchdialog.h"
#include "prayer/prayereditdialog.h"
#include "prayer/timingsexportdialog.h"
#include "power/logindpower.h"
#include "power/sleeptimer.h"
#include "prayer/prayerschedule.h"
#include "browser/aboutdialog.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "browser/productlinks.h"
#include "ui_clockdialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char kCreditIdea[] = QT_TRANSLATE_NOOP("ClockDialog", "Idea->Chimewise");
const char kCreditVoice[] = QT_TRANSLATE_NOOP("ClockDialog", "Voice->eSpeak NG");
const char kRepairing[] = QT_TRANSLATE_NOOP("ClockDialog", "Repairing Databases");
// The first start's question about the autostart: its answers' keys.
const char kStartAtLoginAnswer[] = "start-at-login";
const char kNotNowAnswer[] = "not-now";

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 128})
        icon.addFile(QString(":/icons/chimewise-%1.png").arg(size), QSize(size, size));
    return icon;
}

QString announceInCaption(QString languageName)
{
    // "Bangla" and "English", as the voice file names them, read in the interface language.
    languageName = QCoreApplication::translate("VoiceTables", qPrintable(languageName));
    return ClockDialog::tr("Announce in %1").arg(languageName.replace(u'&', "&&"));
}

// The form's geometry was made for a smaller check mark than most styles
// draw: a check box whose text would be cut grows to the left, keeping its
// box (on the right) where the form puts it.
void fitCheckBoxTexts(QWidget *surface)
{
    for (QCheckBox *box : surface->findChildren<QCheckBox *>()) {
        const int missing = box->sizeHint().width() - box->width();
        if (missing > 0 && box->layoutDirection() == Qt::RightToLeft)
            box->setGeometry(box->geometry().adjusted(-missing, 0, 0, 0));
    }
}

// A dialog opened from a menu blocks the clock's own window only: a
// reminder's pop-up that opens meanwhile can still be answered.
int runBesideThePopups(QDialog &&dialog)
{
    dialog.setWindowModality(Qt::WindowModal);
    return dialog.exec();
}

// Only a changed value is written, so that a tick never moves the cursor
// of a field the user is typing in.
void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

ClockDialog::ClockDialog(const ClockServices &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_time(services.time)
    , m_sound(services.sound)
    , m_prompts(services.prompts)
    , m_data(services.data)
    , m_loginStart(services.loginStart)
    , m_prayerStore(services.data)
    , m_settings(services.profile)
    , m_ui(std::make_unique<Ui::ClockDialogForm>())
    , m_surface(new ClockSurface(this))
    , m_menus(new ClockMenus(this))
    , m_credit1(tr(kCreditIdea))
    , m_credit2(tr(kCreditVoice))
{
    setWindowIcon(programIcon());
    m_ui->setupUi(m_surface);
    fitCheckBoxTexts(m_surface);
    m_intervalButtons = m_ui->intervalButtons;
    m_tray = new ClockTray(windowIcon(), m_menus->trayPopup(),
                           [this] { return trayTip(TimeSource::toLocal(m_time.now())); }, this);
    m_channel = new SoundChannel(m_sound, m_time, this);
    new ChannelControls(*m_channel, m_ui->stopSoundButton, m_ui->soundPositionSlider, m_prompts, this);
    m_schedule = new ClockSchedule(m_time, m_settings, this);
    m_notice = new RingingNotice(*m_tray, this);
    m_loginQuestion = new DesktopNotification(*m_tray, this);
    connect(m_loginQuestion, &DesktopNotification::actionInvoked, this, &ClockDialog::onLoginQuestionAnswered);
    m_alarms = new AlarmPanel({m_ui->alarmSlotCombo, m_ui->alarmTimeEdit, m_ui->alarmFileEdit,
                               m_ui->alarmSetButton, m_ui->alarmBrowseButton,
                               m_ui->alarmClearButton, m_ui->nextAlarmButton, m_ui->alarmNameEdit,
                               {m_ui->dayMoButton, m_ui->dayTuButton, m_ui->dayWeButton, m_ui->dayThButton,
                                m_ui->dayFrButton, m_ui->daySaButton, m_ui->daySuButton},
                               m_ui->alarmOnceCheck, m_ui->snoozeSpin},
                              m_settings, m_prompts, this);
    m_prayers = std::make_unique<PrayerSchedule>(m_data, *m_channel);
    m_alarmRinger = new AlarmRinger(m_settings, services.shell, *m_channel, this);
    m_snooze = new AlarmSnooze(*m_alarmRinger, m_settings, *m_schedule, *m_channel, m_time, this);
    m_clockFace = new ClockFaceExtension(m_surface, {m_ui->clockFaceButton, m_ui->pickedTimeEdit,
                                                     m_ui->amPmButton, m_ui->alarmTimeEdit},
                                         m_settings, this);
    m_power = new LogindPower(QDBusConnection::systemBus(), this);
    m_sleepTimer = new SleepTimer({m_ui->sleepTimerCheck, m_ui->shutdownTimeEdit, m_ui->setShutdownButton,
                                   m_ui->powerOffCheck, m_ui->suspendCheck, m_ui->sleepWaitCombo,
                                   m_ui->sleepActionLabel},
                                  m_settings, m_prompts, *m_power, m_time, this);
    m_warning = new ShutdownWarning(*m_sleepTimer, *m_tray, this);
    m_reminders = new EventReminders(m_data, *m_channel, m_time, m_prompts, this);
    m_browser = std::make_unique<BrowserLauncher>();
    m_links = std::make_unique<LinkOpener>(services.shell, m_prompts, *m_browser);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setMenuBar(m_menus->menuBar());
    layout->addWidget(m_surface);
    m_prayerLine = new QLabel(this);
    m_prayerLine->setObjectName("prayerLine");
    m_prayerLine->setFont(m_surface->font());
    m_prayerLine->setAlignment(Qt::AlignCenter);
    m_prayerLine->setContentsMargins(0, 2, 0, 4);
    m_prayerLine->hide(); // until there are times to show
    layout->addWidget(m_prayerLine);

    connectControls();
    connectRinging();
    connectSchedule();
    registerCommands();
    onInitDialog();
}

ClockDialog::~ClockDialog() = default;

void ClockDialog::onInitDialog()
{
    // Alarm slots "1" to "16" replace the form's own list.
    m_ui->alarmSlotCombo->clear();
    for (int slot = 1; slot <= kAlarmSlots; ++slot)
        m_ui->alarmSlotCombo->addItem(QLocale().toString(slot));

    m_titleBase = kProductName;
    setWindowTitle(m_titleBase);
    m_clockFace->layOut();

    m_voice.loadAtStartUp();
    m_menus->setMenuBarText(Command::ToggleLanguage, announceInCaption(m_voice.language(1).name));

    // The hidden footer label carries the text and the area; the surface paints it.
    m_surface->setFooter(m_ui->footerLabel->text(), m_ui->footerLabel->geometry());
    new FooterLink(m_ui->footerLabel->text(), m_ui->footerLabel->geometry(), m_surface,
                   [this] { m_links->openLink(ProductLinks::emailLink()); });

    loadSettings();
    m_intervalIndex = m_settings.interval();
    writeControls();
    m_ui->alarmSlotCombo->setCurrentIndex(0);
    m_alarms->showSelectedSlot();
    focusChosenInterval();

    m_schedule->start();

    updateMenuChecks();
    m_tray->add();
    // With nowhere to hide, the window is the clock.
    if (ClockTray::available())
        hide();
    else
        restoreAndRaise();
    offerLoginStart();
}

void ClockDialog::connectControls()
{
    m_intervalButtons->setId(m_ui->interval15Radio, 0);
    m_intervalButtons->setId(m_ui->interval30Radio, 1);
    m_intervalButtons->setId(m_ui->interval60Radio, 2);
    m_intervalButtons->setId(m_ui->noAnnouncementRadio, 3);
    connect(m_intervalButtons, &QButtonGroup::idClicked, this,
            [this](int index) { m_settings.setInterval(index); });

    connect(m_ui->languageButton, &QPushButton::clicked, this, [this] {
        flipLanguage();
        writeControls();
        m_ui->stopSoundButton->setFocus();
        applyLanguage();
    });
    connect(m_ui->announceInEnglishCheck, &QCheckBox::clicked, this, &ClockDialog::applyLanguage);
    connect(m_ui->prayerCallCheck, &QCheckBox::clicked, this, &ClockDialog::onPrayerCallSetting);

    connect(m_surface, &ClockSurface::rightClicked, this, &ClockDialog::showPopupAt);
    connect(m_tray, &ClockTray::leftClicked, this, &ClockDialog::restoreAndRaise);
}

// While the channel's sound plays, the tray and a desktop notification show
// what rings, and either can stop it. A sound that will not be heard is
// told of the same way.
void ClockDialog::connectRinging()
{
    const auto started = [this](const QString &what, const QString &, int, bool notice) {
        const QString snooze = m_snooze->offerFor(what);
        m_tray->showRinging(snooze);
        if (notice)
            m_notice->show(what, snooze);
        if (isActiveWindow())
            m_ui->stopSoundButton->setFocus();
    };
    connect(m_channel, &SoundChannel::ringingStarted, this, started);
    connect(m_channel, &SoundChannel::ringingEnded, this, [this] {
        m_snooze->endRinging();
        m_tray->endRinging();
        m_notice->withdraw();
    });
    connect(m_channel, &SoundChannel::soundLost, m_notice, &RingingNotice::report);
    connect(m_channel, &SoundChannel::deviceFailed, this,
            [this](const QString &error) { m_notice->report(kProductName, error); });
    connect(m_tray, &ClockTray::stopRequested, m_channel, &SoundChannel::stopChannelSound);
    connect(m_notice, &RingingNotice::stopRequested, m_channel, &SoundChannel::stopChannelSound);
    connect(m_notice, &RingingNotice::openRequested, this, &ClockDialog::restoreAndRaise);
    connect(m_tray, &ClockTray::snoozeRequested, m_snooze, &AlarmSnooze::snooze);
    connect(m_notice, &RingingNotice::snoozeRequested, m_snooze, &AlarmSnooze::snooze);
    // An alarm set anew or cleared takes its snooze with it; a one-time alarm that rang frees its slot.
    connect(m_alarms, &AlarmPanel::slotChanged, m_schedule, &ClockSchedule::dropSnooze);
    connect(m_alarmRinger, &AlarmRinger::slotFreed, m_alarms, &AlarmPanel::onSlotFreed);
}

// The dialog shows the time each second and, while it is shown, follows the
// sound and the face once the checks are done; the rest of the schedule's
// work goes to its owners.
void ClockDialog::connectSchedule()
{
    m_schedule->setPrayerDays([this](const QDate &day) { return m_prayers->timesOn(day); });
    connect(m_tray, &ClockTray::tipFollowingChanged, this, &ClockDialog::followTheTime);
    connectScheduledWork(*m_schedule, {m_sound, m_voice, *m_channel, *m_prayers, *m_alarmRinger, *m_reminders,
                                       *m_sleepTimer, *m_warning, *m_power, *m_notice},
                         this);
}

void ClockDialog::registerCommands()
{
    m_commands = {
        {Command::Exit, [this] { m_tray->remove(); accept(); }},
        {Command::ToggleLanguage, [this] { flipLanguage(); writeControls(); applyLanguage(); }},
        {Command::Minimize, [this] { hideWindow(); }},
        {Command::RepairDatabases, [this] { m_statusLine = tr(kRepairing); writeControls(); }},
        {Command::ClearAllAlarms, [this] { m_alarms->clearAllAlarms(); }},
        {Command::ViewAlarms, [this] {
             runBesideThePopups(AlarmListDialog(m_settings, this));
             m_alarms->showSelectedSlot(); // edited in the list
         }},
        {Command::EnablePrayerCall, [this] {
             m_prayerCallEnabled = m_prayerCallEnabled ? 0 : 1;
             m_ui->prayerCallCheck->setChecked(m_prayerCallEnabled);
             onPrayerCallSetting();
         }},
        // Offered only while the prayer call is on (updateMenuChecks greys them).
        {Command::SetPrayerTimings, [this] {
             if (m_prayerCallEnabled)
                 runPrayerDialog<PrayerBatchDialog>();
         }},
        {Command::EditPrayerTimings, [this] {
             if (m_prayerCallEnabled)
                 runPrayerDialog<PrayerEditDialog>();
         }},
        {Command::TimingsByCity, [this] { runPrayerDialog<CityInfoDialog>(); }},
        {Command::PrayerAlerts, [this] { runBesideThePopups(PrayerAlertDialog(m_settings, this)); }},
        {Command::AddEvent, [this] {
             const EventStore store(m_data);
             runBesideThePopups(EventAddDialog(store, m_prompts, m_time, m_sound, this));
         }},
        {Command::ViewEvents, [this] {
             const EventStore store(m_data);
             runBesideThePopups(EventViewDialog(store, m_prompts, m_time, this));
         }},
        {Command::ImportCalendar, [this] {
             importCalendarFromMenu(EventStore(m_data), CalendarImportSettings::forUser(m_settings), m_time.now(),
                                    m_prompts);
         }},
        {Command::ExportCalendar, [this] { exportCalendarFromMenu(EventStore(m_data), m_time.now(), m_prompts); }},
        {Command::ExportTimings, [this] {
             runBesideThePopups(TimingsExportDialog(m_prayerStore, m_prompts, m_time, this));
         }},
        {Command::About, [this] { runBesideThePopups(AboutDialog(*m_links, this)); }},
        {Command::WebBrowser, [this] { m_links->openWebBrowser(); }},
        {Command::Help, [this] { m_links->openHelp(); }},
        {Command::StartAtLogin, [this] { setLoginStart(!m_loginStart.isOn()); }},
        {Command::InterfaceSystem, [this] { chooseInterfaceLanguage(InterfaceChoice::System); }},
        {Command::InterfaceBangla, [this] { chooseInterfaceLanguage(InterfaceChoice::Bangla); }},
        {Command::InterfaceEnglish, [this] { chooseInterfaceLanguage(InterfaceChoice::English); }},
    };
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it)
        m_menus->setEnabled(it.key(), it.key() != Command::RepairDatabases); // never offered
    connect(m_menus, &ClockMenus::command, this, &ClockDialog::onCommand);
}

void ClockDialog::onCommand(int command)
{
    const auto handler = m_commands.constFind(command);
    if (handler != m_commands.cend())
        (*handler)();
}

void ClockDialog::onPrayerCallSetting()
{
    m_prayerCallEnabled = m_ui->prayerCallCheck->isChecked();
    m_settings.setPrayerCallOn(m_prayerCallEnabled);
    if (m_prayerCallEnabled && !databaseExists(m_data))
        runPrayerDialog<CityInfoDialog>();
    updateMenuChecks();
}

template <typename Dialog>
void ClockDialog::runPrayerDialog()
{
    runBesideThePopups(Dialog(m_prayerStore, m_prompts, m_time, this));
    m_schedule->reloadPrayerTimes();
}

void ClockDialog::loadSettings()
{
    m_settings.load();
    m_english = m_settings.isEnglish();
    m_voice.selectVoiceLanguage(m_english);
    showLanguageCaption();
    m_prayerCallEnabled = m_settings.prayerCallOn();
}

void ClockDialog::readControls()
{
    m_credit1 = m_ui->creditIdeaEdit->text();
    m_credit2 = m_ui->creditVoiceEdit->text();
    m_statusLine = m_ui->statusLabel->text();
    m_english = m_ui->announceInEnglishCheck->isChecked();
    m_prayerCallEnabled = m_ui->prayerCallCheck->isChecked();
    m_sleepTimerEnabled = m_ui->sleepTimerCheck->isChecked();
    m_shutdownTimeText = m_ui->shutdownTimeEdit->text();
    m_intervalIndex = m_intervalButtons->checkedId();
    m_powerOff = m_ui->powerOffCheck->isChecked();
}

void ClockDialog::writeControls()
{
    setText(m_ui->creditIdeaEdit, m_credit1);
    setText(m_ui->creditVoiceEdit, m_credit2);
    m_ui->statusLabel->setText(m_statusLine);
    m_ui->announceInEnglishCheck->setChecked(m_english);
    m_ui->prayerCallCheck->setChecked(m_prayerCallEnabled);
    m_ui->sleepTimerCheck->setChecked(m_sleepTimerEnabled);
    setText(m_ui->shutdownTimeEdit, m_shutdownTimeText);
    m_ui->powerOffCheck->setChecked(m_powerOff);

    // An index outside 0..3 (a stored value the buttons do not know) selects none.
    if (QAbstractButton *selected = m_intervalButtons->button(m_intervalIndex)) {
        selected->setChecked(true);
    } else if (QAbstractButton *checked = m_intervalButtons->checkedButton()) {
        m_intervalButtons->setExclusive(false);
        checked->setChecked(false);
        m_intervalButtons->setExclusive(true);
    }
}

const MinuteGlance::Lines &ClockDialog::glanceAt(const LocalTime &now)
{
    return m_glance.at(now, m_schedule->prayerRows(), m_settings.hijriAdjustment(), m_settings.alarms(),
                       m_settings.alarmsRevision(), m_schedule->snoozed());
}

QString ClockDialog::trayTip(const LocalTime &now)
{
    const MinuteGlance::Lines &glance = glanceAt(now);
    QStringList tip{formatTitleText(m_titleBase, now.hour, now.minute, now.second)};
    if (!glance.prayerTip.isEmpty())
        tip << glance.prayerTip;
    return (tip << glance.alarmTip).join(u'\n');
}

// Hidden, only the tray's tip shows the time, and only a tray item's needs
// telling each second: the window's title, status line and face would cost
// every second for nobody, and are brought up to date when it is shown.
void ClockDialog::followTheTime()
{
    const bool wanted = isVisible() || m_tray->tipFollowsTheTime();
    if (wanted && !m_followingTime)
        m_followingTime = connect(m_schedule, &ClockSchedule::timeShown, this, &ClockDialog::showTime);
    else if (!wanted)
        disconnect(m_followingTime);
}

void ClockDialog::showTime(const LocalTime &now)
{
    m_tray->tipChanged();
    if (!isVisible())
        return;
    const MinuteGlance::Lines &glance = glanceAt(now);
    m_windowTitle.set(*this, formatTitleText(m_titleBase, now.hour, now.minute, now.second));
    readControls();
    m_statusLine = formatDateTimeLine(now);
    m_credit1 = tr(kCreditIdea); // whatever was typed there goes within a second
    m_credit2 = tr(kCreditVoice);
    writeControls();
    m_prayerLine->setText(glance.prayerWindow);
    m_prayerLine->setVisible(!glance.prayerWindow.isEmpty());
    QLabel *nextLabel = m_ui->nextAlarmLabel;
    if (nextLabel->toolTip() != glance.nextAlarm) {
        nextLabel->setText(nextLabel->fontMetrics().elidedText(glance.nextAlarm, Qt::ElideRight, nextLabel->width()));
        nextLabel->setToolTip(glance.nextAlarm); // a long name in full
    }
}

void ClockDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const LocalTime now = TimeSource::toLocal(m_time.now());
    showTime(now);
    m_clockFace->showTime(now);
    if (!m_followingTicks)
        m_followingTicks = connect(m_schedule, &ClockSchedule::tickEnded, this, &ClockDialog::followTick);
    followTheTime();
}

void ClockDialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    disconnect(m_followingTicks);
    followTheTime();
}

void ClockDialog::followTick(const LocalTime &now)
{
    if (m_channel->active())
        m_channel->trackChannelPosition();
    m_clockFace->showTime(now);
}

void ClockDialog::flipLanguage()
{
    m_english = m_english ? 0 : 1;
}

void ClockDialog::applyLanguage()
{
    readControls();
    m_voice.selectVoiceLanguage(m_english);
    m_settings.setEnglish(m_english);
    showLanguageCaption();
    updateMenuChecks();
}

void ClockDialog::showLanguageCaption()
{
    m_ui->languageButton->setText(announceInCaption(m_voice.language(m_english).name));
}

void ClockDialog::updateMenuChecks()
{
    m_menus->setChecked(Command::ToggleLanguage, m_english);
    m_menus->setChecked(Command::EnablePrayerCall, m_prayerCallEnabled);
    m_menus->setEnabled(Command::SetPrayerTimings, m_prayerCallEnabled);
    m_menus->setEnabled(Command::EditPrayerTimings, m_prayerCallEnabled);
    m_menus->setChecked(Command::StartAtLogin, m_loginStart.isOn());
    const InterfaceChoice language = m_settings.readInterfaceChoice();
    m_menus->setChecked(Command::InterfaceSystem, language == InterfaceChoice::System);
    m_menus->setChecked(Command::InterfaceBangla, language == InterfaceChoice::Bangla);
    m_menus->setChecked(Command::InterfaceEnglish, language == InterfaceChoice::English);
}

// The windows are made in their language at start-up, so a new one shows from the next start.
void ClockDialog::chooseInterfaceLanguage(InterfaceChoice choice)
{
    const bool changed = choice != m_settings.readInterfaceChoice();
    m_settings.setInterfaceChoice(choice);
    updateMenuChecks();
    if (changed)
        m_prompts.messageBox(tr("The windows show the new language when Chimewise starts again."), kProductName,
                             PromptService::Buttons::Ok, PromptService::Icon::Information);
}

// A talking clock that does not start with the session is soon forgotten:
// the first start asks once, and the answer stands; the menu item changes it
// later. Where the question cannot carry buttons (the tray's message), it
// names the menu item instead.
void ClockDialog::offerLoginStart()
{
    if (m_settings.readLoginStartOffered() || m_loginStart.runsFromBuildTree() || m_loginStart.isOn())
        return;
    m_settings.setLoginStartOffered();
    m_loginQuestion->show("Start Chimewise at login?",
                          "The clock can start with your desktop session, to speak the time and ring from the "
                          "first minute. \"Start at login\" in the Clock menu changes it later.",
                          {kStartAtLoginAnswer, "Start at login", kNotNowAnswer, "Not now"});
}

void ClockDialog::onLoginQuestionAnswered(const QString &answer)
{
    m_loginQuestion->withdraw();
    if (answer == kStartAtLoginAnswer)
        setLoginStart(true);
}

void ClockDialog::setLoginStart(bool on)
{
    const QString problem = m_loginStart.setOn(on);
    if (!problem.isEmpty())
        m_prompts.messageBox(problem, kProductName, PromptService::Buttons::Ok, PromptService::Icon::Error);
    updateMenuChecks();
}

// Without a notification area to come back from, hiding would lose the
// window: it is minimised instead.
void ClockDialog::hideWindow()
{
    if (ClockTray::available())
        hide();
    else
        showMinimized();
}

// The keyboard starts at the chosen interval, never in a credit line the
// tick rewrites, where a blinking cursor would also repaint twice a second.
void ClockDialog::focusChosenInterval()
{
    if (QAbstractButton *interval = m_intervalButtons->checkedButton())
        interval->setFocus();
    else
        m_ui->interval15Radio->setFocus();
}

void ClockDialog::restoreAndRaise()
{
    if (!m_placed) {
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        m_placed = true;
    }
    focusChosenInterval();
    // Wayland cannot take a window out of the compositor's minimised state:
    // it comes back as a window anew.
    if (isMinimized() && QGuiApplication::platformName() != QLatin1String("xcb"))
        hide();
    showNormal();
    raise();
    activateWindow();
}

void ClockDialog::showPopupAt(const QPoint &globalPos)
{
    const std::unique_ptr<QMenu> popup(m_menus->createPopup(this));
    // The popup's right edge lies at the pointer.
    popup->exec(globalPos - QPoint(popup->sizeHint().width(), 0));
}

void ClockDialog::accept()
{
    readControls();
    QDialog::accept();
}

void ClockDialog::reject()
{
    hideWindow();
    m_tray->add();
}

void ClockDialog::closeEvent(QCloseEvent *event)
{
    m_tray->remove();
    QDialog::closeEvent(event); // reaches reject(), which hides and adds the icon again
}

void ClockDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && ClockTray::available())
        QTimer::singleShot(0, this, &QWidget::hide);
}
