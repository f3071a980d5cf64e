#pragma once

#include "app/clockdialog.h"
#include "core/loginstart.h"
#include "core/profilestore.h"
#include "db/datasource.h"
#include "support/recordingshellopener.h"
#include "support/recordingsounddevice.h"
#include "support/scriptedprompts.h"
#include "support/virtualtimesource.h"

#include <QTemporaryDir>

// The main dialog on the test doubles, its profile, database and autostart folder in a folder of
// its own. The dialog keeps a reference to each service: they live as long as this.
struct RunningClock
{
    explicit RunningClock(const QString &program = "/usr/bin/chimewise")
        : loginStart(dir.filePath("autostart"), program)
    {
    }

    // A dialog started again reads the profile afresh, as the program does.
    ClockDialog &start(PromptService &answers)
    {
        dialog.reset();
        profile = ProfileStore::openIniFile(dir.filePath("Chimewise.conf"));
        dialog = std::make_unique<ClockDialog>(ClockServices{time, answers, *profile, shell, sound, data, loginStart});
        return *dialog;
    }
    ClockDialog &start() { return start(prompts); }

    QTemporaryDir dir;
    VirtualTimeSource time;
    ScriptedPrompts prompts;
    RecordingShellOpener shell;
    RecordingSoundDevice sound;
    const DataSource data = DataSource::embeddedFile(dir.filePath("KTXDB.sqlite"));
    const LoginStart loginStart;
    std::unique_ptr<ProfileStore> profile = ProfileStore::openIniFile(dir.filePath("Chimewise.conf"));
    std::unique_ptr<ClockDialog> dialog;
};
