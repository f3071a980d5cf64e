#pragma once

#include "alarms/alarmlistdialog.h"
#include "app/clocksurface.h"
#include "app/runningclock.h"
#include "browser/aboutdialog.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "core/profilesettings.h"
#include "db/databasesetup.h"
#include "events/eventadddialog.h"
#include "events/eventrow.h"
#include "events/eventstore.h"
#include "events/eventviewdialog.h"
#include "events/reminderdialog.h"
#include "prayer/cityinfodialog.h"
#include "prayer/prayeralertdialog.h"
#include "prayer/prayerbatchdialog.h"
#include "prayer/prayereditdialog.h"
#include "prayer/prayerstore.h"
#include "prayer/timingsexportdialog.h"

#include <QPointer>

#include <optional>
#include <QTest>

// The main window and every dialog on the test doubles, opened by name; a
// dialog added later is one more name.
struct EveryWindow
{
    static QStringList names()
    {
        return {"main window", "city information", "view and edit timings", "batch update", "prayer alerts",
                "add event", "view events", "reminder", "alarm list", "about", "export timings"};
    }

    // The clock's window, a year's first day of times and the moment the dialogs open at.
    bool prepare()
    {
        if (!createDatabase(clock.data).ok())
            return false;
        DbSession session = prayers.openSession();
        if (!prayers.insertEmptyDay(session, 1).ok()) // the edit dialog opens on 1 January
            return false;
        clock.time.set(VirtualTimeSource::fromLocal(2026, 12, 6, 9, 15, 30));
        form = clock.start().findChild<ClockSurface *>();
        return form;
    }

    // The window's widget: the main form itself, or a dialog kept until the next open().
    QWidget *open(const QString &name, const QString &reminderTitle = "Dentist")
    {
        dialog.reset();
        delete reminder;
        settings.emplace(*clock.profile); // the profile the clock was last started on
        if (name == "city information")
            dialog = std::make_unique<CityInfoDialog>(prayers, clock.prompts, clock.time);
        else if (name == "view and edit timings")
            dialog = std::make_unique<PrayerEditDialog>(prayers, clock.prompts, clock.time);
        else if (name == "batch update")
            dialog = std::make_unique<PrayerBatchDialog>(prayers, clock.prompts, clock.time);
        else if (name == "prayer alerts")
            dialog = std::make_unique<PrayerAlertDialog>(*settings);
        else if (name == "add event")
            dialog = std::make_unique<EventAddDialog>(events, clock.prompts, clock.time, clock.sound);
        else if (name == "view events")
            dialog = std::make_unique<EventViewDialog>(events, clock.prompts, clock.time);
        else if (name == "reminder")
            reminder = ReminderDialog::open(EventRow{QDate(2026, 12, 6), 600, reminderTitle, "Call first", " ", {}},
                                            clock.time, clock.prompts, [](auto, int) { return true; });
        else if (name == "alarm list")
            dialog = std::make_unique<AlarmListDialog>(*settings);
        else if (name == "about")
            dialog = std::make_unique<AboutDialog>(links);
        else if (name == "export timings")
            dialog = std::make_unique<TimingsExportDialog>(prayers, clock.prompts, clock.time);
        return reminder ? reminder.data() : dialog ? dialog.get() : form;
    }

    ~EveryWindow() { delete reminder; }

    RunningClock clock;
    const PrayerStore prayers{clock.data};
    std::optional<ProfileSettings> settings;
    EventStore events{clock.data};
    BrowserLauncher browser;
    LinkOpener links{clock.shell, clock.prompts, browser};
    ClockSurface *form = nullptr;
    std::unique_ptr<QWidget> dialog;
    QPointer<ReminderDialog> reminder;
};
