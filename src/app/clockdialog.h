#pragma once

#include "app/minuteglance.h"
#include "app/quietwindowtitle.h"
#include "core/profilesettings.h"
#include "prayer/prayerstore.h"
#include "voice/voicetables.h"

#include <QDialog>
#include <QHash>

#include <functional>
#include <memory>

namespace Ui {
class ClockDialogForm;
}
class AlarmPanel;
class AlarmRinger;
class AlarmSnooze;
class ClockFaceExtension;
class ClockSchedule;
class LogindPower;
class ShutdownWarning;
class SleepTimer;
class BrowserLauncher;
class LinkOpener;
class SoundChannel;
class ClockMenus;
class ClockSurface;
class ClockTray;
class DataSource;
class DesktopNotification;
class EventReminders;
class LoginStart;
class PrayerSchedule;
class PromptService;
class ProfileStore;
class QButtonGroup;
class QLabel;
class RingingNotice;
class ShellOpener;
class SoundDevice;
class TimeSource;
struct LocalTime;

// The seams every subsystem reaches through the main dialog.
struct ClockServices
{
    TimeSource &time;
    PromptService &prompts;
    ProfileStore &profile;
    ShellOpener &shell;
    SoundDevice &sound;
    const DataSource &data;
    const LoginStart &loginStart;
};

// The main clock dialog: hidden behind the tray icon for most of its life,
// it shows the date and time and keeps the title and tip current. It owns
// the schedule and hands what falls due to its owners.
class ClockDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr char kProductName[] = "Chimewise";

    explicit ClockDialog(const ClockServices &services, QWidget *parent = nullptr);
    ~ClockDialog() override;

    // A menu command, as the menus send it. Commands not (yet) wired do nothing.
    void onCommand(int command);

    // Tray click or a second start of the program.
    void restoreAndRaise();

    const VoiceTables &voice() const { return m_voice; }
    ClockMenus &menus() const { return *m_menus; }
    ClockTray &tray() const { return *m_tray; }
    SoundChannel &channel() const { return *m_channel; }
    ClockSchedule &schedule() const { return *m_schedule; }

public slots:
    void accept() override; // reached through "E&xit" only
    void reject() override; // Escape and the close box hide the window

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onInitDialog();
    void connectControls();
    void connectRinging();
    void connectSchedule();
    void focusChosenInterval();
    void followTheTime();
    void showTime(const LocalTime &now);
    void followTick(const LocalTime &now);
    const MinuteGlance::Lines &glanceAt(const LocalTime &now);
    QString trayTip(const LocalTime &now);
    void onPrayerCallSetting();
    // Opens a prayer dialog modally, then reloads the day's times.
    template <typename Dialog>
    void runPrayerDialog();
    void loadSettings();
    void readControls();
    void writeControls();
    void registerCommands();
    void flipLanguage();
    void applyLanguage();
    void showLanguageCaption();
    void updateMenuChecks();
    void offerLoginStart();
    void onLoginQuestionAnswered(const QString &answer);
    void setLoginStart(bool on);
    void chooseInterfaceLanguage(InterfaceChoice choice);
    void hideWindow();
    void showPopupAt(const QPoint &globalPos);

    TimeSource &m_time;
    SoundDevice &m_sound;
    PromptService &m_prompts;
    const DataSource &m_data;
    const LoginStart &m_loginStart;
    PrayerStore m_prayerStore;
    ProfileSettings m_settings;
    VoiceTables m_voice;

    std::unique_ptr<Ui::ClockDialogForm> m_ui;
    ClockSurface *m_surface;
    QButtonGroup *m_intervalButtons = nullptr;
    ClockMenus *m_menus;
    ClockTray *m_tray = nullptr;
    SoundChannel *m_channel;
    ClockSchedule *m_schedule;
    RingingNotice *m_notice;
    DesktopNotification *m_loginQuestion;
    AlarmPanel *m_alarms;
    ClockFaceExtension *m_clockFace;
    LogindPower *m_power;
    SleepTimer *m_sleepTimer;
    ShutdownWarning *m_warning;
    std::unique_ptr<PrayerSchedule> m_prayers;
    AlarmRinger *m_alarmRinger;
    AlarmSnooze *m_snooze;
    EventReminders *m_reminders;
    std::unique_ptr<BrowserLauncher> m_browser;
    std::unique_ptr<LinkOpener> m_links;
    QHash<int, std::function<void()>> m_commands;
    bool m_placed = false;

    QString m_titleBase;
    QLabel *m_prayerLine = nullptr; // today's prayers under the surface
    QuietWindowTitle m_windowTitle;
    QMetaObject::Connection m_followingTime;  // while the window or a tray item shows it
    QMetaObject::Connection m_followingTicks; // while the window is shown
    MinuteGlance m_glance;          // its lines and the alarms', built once a minute

    // Exchanged with the controls, both ways, every second.
    QString m_credit1;
    QString m_credit2;
    QString m_statusLine;
    int m_english = 0;
    int m_prayerCallEnabled = 0;
    int m_sleepTimerEnabled = 0;
    QString m_shutdownTimeText;
    int m_intervalIndex = -1;
    int m_powerOff = 0;
};
