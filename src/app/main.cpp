// Start-up: one clock per user, then the main dialog until "E&xit".
#include "app/cclockdlg.h"
#include "app/desktopshellopener.h"
#include "app/profilestore.h"
#include "app/qtpromptservice.h"
#include "app/singleinstance.h"
#include "app/timesource.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(CClockDlg::kProductName);
    QApplication::setApplicationName(CClockDlg::kProductName);
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

    CClockDlg dialog({time, prompts, *profile, shell});
    prompts.setOwner(&dialog);
    QObject::connect(&instance, &SingleInstance::activationRequested, &dialog,
                     &CClockDlg::RestoreAndRaise);
    QObject::connect(&dialog, &QDialog::finished, &app, &QApplication::quit);
    app.exec();
    return 0;
}
