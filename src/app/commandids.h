#pragma once

// Commands of the menu bar and the tray popup, numbered as in the menu resources.
namespace Command {
enum : int {
    Minimize = 1009,
    Exit = 32771,
    ViewAlarms = 32772,
    About = 32775,
    ToggleLanguage = 32777,
    ClearAllAlarms = 32778,
    EnablePrayerCall = 32779,
    SetPrayerTimings = 32780,
    EditPrayerTimings = 32785,
    TimingsByCity = 32786,
    AddEvent = 32787,
    ViewEvents = 32788,
    RepairDatabases = 32789,
    WebBrowser = 32790,
    Help = 32792,
    StartAtLogin = 32793, // a new command: the autostart entry
    // New commands: events and prayer times to and from other calendars.
    ImportCalendar = 32794,
    ExportCalendar = 32795,
    ExportTimings = 32796,
    PrayerAlerts = 32810, // a new command: the alerts before each prayer and the Hijri date
    // New commands: the language of the windows.
    InterfaceSystem = 32811,
    InterfaceBangla = 32812,
    InterfaceEnglish = 32813,
};
} // namespace Command
