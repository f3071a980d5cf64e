// Start-up: one clock per user, then the main dialog until "E&xit".
#include "app/clockdialog.h"
#include "app/clockstyle.h"
#include "app/commandline.h"
#include "db/datasource.h"
#include "app/desktopshellopener.h"
#include "core/interfacetranslation.h"
#include "core/profilesettings.h"
#include "core/loginstart.h"
#include "core/profilestore.h"
#include "app/qtpromptservice.h"
#include "core/singleinstance.h"
#include "sound/sdlsounddevice.h"
#include "core/timesource.h"
#include "voice/saycommand.h"
#include "events/calendarcommands.h"
#include "events/calendarimport.h"
#include "events/eventstore.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTextStream>

namespace {

void nameTheProgram()
{
    QCoreApplication::setOrganizationName(ClockDialog::kProductName);
    QCoreApplication::setApplicationName(ClockDialog::kProductName);
}

// "--say": speaks one time and ends, without a window or a running clock.
int say(const QStringList &arguments)
{
    const auto profile = ProfileStore::openUserProfile();
    SdlSoundDevice sound;
    QTextStream err(stderr);
    return runSayCommand(arguments, ProfileSettings(*profile).readIsEnglish(), sound, err);
}

// "--import FILE.ics" / "--export-events FILE.ics": events in or out, without a window.
int calendar(const CommandLine &line)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const auto profile = ProfileStore::openUserProfile();
    const DataSource data = DataSource::detect();
    const EventStore store(data);
    const qint64 now = SystemTimeSource().now();
    if (line.action == CommandLine::Action::Import)
        return runImportCommand(line.file, store, CalendarImportSettings::forUser(ProfileSettings(*profile)), now,
                                out, err);
    return runExportCommand(line.file, store, now, out, err);
}

// Any option is a command that ends without a clock; nothing is written for --help or --version.
int runCommand(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    const CommandLine line = CommandLine::parse(app.arguments());
    switch (line.action) {
    case CommandLine::Action::Help:
    case CommandLine::Action::Version:
        QTextStream(stdout) << line.text;
        return 0;
    case CommandLine::Action::Say:
        return say(line.say);
    case CommandLine::Action::Import:
    case CommandLine::Action::ExportEvents:
        return calendar(line);
    case CommandLine::Action::Wrong:
    case CommandLine::Action::StartClock:
        break;
    }
    QTextStream(stderr) << line.text;
    return 2;
}

// Each second repaints a few small rectangles. On X11, handing them over in
// shared memory costs a round trip to the server before every paint; sending
// the pixels costs less. Only the X11 connection reads the setting, as the
// application opens it; then it goes, so that the programs the clock opens
// do not inherit it. A setting of the user's own stands. Returns whether the
// setting is the clock's own.
bool sendPixelsToX11()
{
    if (qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        return false;
    qputenv("QT_XCB_NO_MITSHM", "1");
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1)
        return runCommand(argc, argv);

    // Wayland's token for raising a window, from whoever started this copy.
    const QByteArray activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    const bool ownPixelSetting = sendPixelsToX11();
    QApplication app(argc, argv);
    if (ownPixelSetting)
        qunsetenv("QT_XCB_NO_MITSHM");
    nameTheProgram();
    QApplication::setDesktopFileName("chimewise");
    QApplication::setStyle(new ClockStyle);
    // The clock lives on in the tray when its window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (instance.claim(activationToken) == SingleInstance::Role::Secondary)
        return 0;

    SystemTimeSource time;
    QtPromptService prompts;
    const auto profile = ProfileStore::openUserProfile();
    installInterfaceLanguage(app, InterfaceLanguage::resolve(ProfileSettings(*profile).readInterfaceChoice(),
                                                             QLocale::system().uiLanguages()));
    DesktopShellOpener shell;
    SdlSoundDevice sound;
    const DataSource data = DataSource::detect();
    const LoginStart loginStart = LoginStart::forThisProgram();

    ClockDialog dialog({time, prompts, *profile, shell, sound, data, loginStart});
    prompts.setOwner(&dialog);
    // Wayland raises a window only with the token of the start that asks for it.
    QObject::connect(&instance, &SingleInstance::activationRequested, &dialog, [&dialog](const QByteArray &token) {
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token);
        dialog.restoreAndRaise();
    });
    QObject::connect(&dialog, &QDialog::finished, &app, &QApplication::quit);
    app.exec();
    return 0;
}
