// Start-up: one clock per user, then the main dialog until "E&xit".
#include "app/cclockdlg.h"
#include "app/db/datasource.h"
#include "app/desktopshellopener.h"
#include "app/profilesettings.h"
#include "app/profilestore.h"
#include "app/qtpromptservice.h"
#include "app/singleinstance.h"
#include "app/sound/sdlsounddevice.h"
#include "app/timesource.h"
#include "voice/saycommand.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>

namespace {

void NameTheProgram()
{
    QCoreApplication::setOrganizationName(CClockDlg::kProductName);
    QCoreApplication::setApplicationName(CClockDlg::kProductName);
}

// "--say": speaks one time and ends, without a window or a running clock.
int Say(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    NameTheProgram();
    const auto profile = ProfileStore::openUserProfile();
    SdlSoundDevice sound;
    QTextStream err(stderr);
    return RunSayCommand(app.arguments(), ProfileSettings(*profile).readIsEnglish(), sound, err);
}

} // namespace

int main(int argc, char *argv[])
{
    if (IsSayCommand(QStringList(argv, argv + argc)))
        return Say(argc, argv);

    QApplication app(argc, argv);
    NameTheProgram();
    QApplication::setDesktopFileName("chimewise");
    // The clock lives on in the tray when its window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (instance.claim() == SingleInstance::Role::Secondary)
        return 0;

    SystemTimeSource time;
    QtPromptService prompts;
    const auto profile = ProfileStore::openUserProfile();
    DesktopShellOpener shell;
    SdlSoundDevice sound;
    const DataSource data = DataSource::detect();

    CClockDlg dialog({time, prompts, *profile, shell, sound, data});
    prompts.setOwner(&dialog);
    QObject::connect(&instance, &SingleInstance::activationRequested, &dialog,
                     &CClockDlg::RestoreAndRaise);
    QObject::connect(&dialog, &QDialog::finished, &app, &QApplication::quit);
    app.exec();
    return 0;
}
