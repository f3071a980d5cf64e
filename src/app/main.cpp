// Start-up: one clock per user, then the main dialog until "E&xit".
#include "app/clockdialog.h"
#include "app/clockstyle.h"
#include "db/datasource.h"
#include "app/desktopshellopener.h"
#include "app/interfacetranslation.h"
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
int say(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    const auto profile = ProfileStore::openUserProfile();
    SdlSoundDevice sound;
    QTextStream err(stderr);
    return runSayCommand(app.arguments(), ProfileSettings(*profile).readIsEnglish(), sound, err);
}

bool isCalendarCommand(const QStringList &arguments)
{
    return arguments.size() > 1 && (arguments[1] == "--import" || arguments[1] == "--export-events");
}

// "--import FILE.ics" / "--export-events FILE.ics": events in or out, without a window.
int calendar(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    nameTheProgram();
    const QStringList arguments = app.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: chimewise --import FILE.ics | --export-events FILE.ics" << Qt::endl;
        return 2;
    }
    const auto profile = ProfileStore::openUserProfile();
    const DataSource data = DataSource::detect();
    const EventStore store(data);
    const qint64 now = SystemTimeSource().now();
    if (arguments[1] == "--import")
        return runImportCommand(arguments[2], store, CalendarImportSettings::forUser(ProfileSettings(*profile)), now,
                                out, err);
    return runExportCommand(arguments[2], store, now, out, err);
}

// Each second repaints a few small rectangles. On X11, handing them over in
// shared memory costs a round trip to the server before every paint; sending
// the pixels costs less. A setting of the user's own stands.
void sendPixelsToX11()
{
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

} // namespace

int main(int argc, char *argv[])
{
    if (isSayCommand(QStringList(argv, argv + argc)))
        return say(argc, argv);
    if (isCalendarCommand(QStringList(argv, argv + argc)))
        return calendar(argc, argv);

    sendPixelsToX11();
    QApplication app(argc, argv);
    nameTheProgram();
    QApplication::setDesktopFileName("chimewise");
    QApplication::setStyle(new ClockStyle);
    // The clock lives on in the tray when its window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (instance.claim() == SingleInstance::Role::Secondary)
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
    QObject::connect(&instance, &SingleInstance::activationRequested, &dialog,
                     &ClockDialog::restoreAndRaise);
    QObject::connect(&dialog, &QDialog::finished, &app, &QApplication::quit);
    app.exec();
    return 0;
}
