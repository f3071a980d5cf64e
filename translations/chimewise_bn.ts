<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Chimewise, Version </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed and developed by the Chimewise team; write to us at </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Chimewise home page for news and help: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AboutDialogForm</name>
    <message>
        <source>About Chimewise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chimewise icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chimewise, Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chimewise comes with no warranty of any kind: check the times that matter to you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmListDialogForm</name>
    <message>
        <source>View all ALARMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmPanel</name>
    <message>
        <source>WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmRinger</name>
    <message>
        <source>&amp;Stop Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 — %2%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>Select one of the %1 alarm items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to play field can not be empty :: Alarm ID = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File [%1] does not exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm %1 rings on no day: tick at least one day, Mo to Su</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AlarmSnooze</name>
    <message>
        <source>Snooze %1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserDialog</name>
    <message>
        <source>Opening page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserDialogForm</name>
    <message>
        <source>Norvik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalcPreset</name>
    <message>
        <source>Muslim World League</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North America (ISNA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarCommands</name>
    <message>
        <source>Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message>
        <source>%1 could not be imported: %2. Nothing was stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Save it again from the program it comes from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelControls</name>
    <message>
        <source>Playing </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CityInfoDialog</name>
    <message>
        <source>Database not found. Creating Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the zone of %1, so that its summer time follows the zone&apos;s own rules.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal Time Zone Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing Record %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the name of the city first: its settings are kept under it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Generate the times anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the prayer times of all %1 days of %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no zone named &quot;%1&quot;. Type part of the name, such as Dhaka or London, and pick it from the list; or leave it empty to use the offset and the daylight box.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CityInfoDialogForm</name>
    <message>
        <source>Update Prayer Timings from City Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of the name, e.g. Dhaka or London: the times then follow the zone&apos;s own summer time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Light Saving Time Adjustment Needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High latitudes :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By latitude (a seventh of the night above 48°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight angle (angle/60 of the night)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes added :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As&apos;r</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Angle of Depression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By Max Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle of Depression at Fajr (deg) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval (minutes) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As&apos;r Time by Shadow Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CitySettings</name>
    <message>
        <source>At longitude %1° %2′ %3 the Sun is highest near noon of %4, but the zone is %5: Zohor would come hours away from midday. Check the longitude&apos;s direction (E or W) and the zone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockDialog</name>
    <message>
        <source>Idea-&gt;Chimewise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice-&gt;eSpeak NG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repairing Databases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The windows show the new language when Chimewise starts again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockDialogForm</name>
    <message>
        <source>Chimewise (MM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announcement Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idea credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice credit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Announcement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play File ( Browse )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Msg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce in English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aaazan (Prayer Time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set &amp;Shutdown Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Sleep Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Announce in Bangla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alarm#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picked time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developed by the Chimewise team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend the machine instead of stopping it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop in minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes from now, instead of the time above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halts: power stays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>what it is for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snoo&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes until a snoozed alarm rings again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Su</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings on Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rings once, then frees its slot</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockMenus</name>
    <message>
        <source>&amp;Clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair Databases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Chimewise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ools  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All Alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aazan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable Announcing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Aa&amp;zan Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View and Edit Timings </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timings by City info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Timings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alerts and Hijri Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event &amp;Schedules	Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add A New Event	Ctrl+A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;iew Events	Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;English	Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Calendar…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Toggle Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enable Aazan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Alarms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View E&amp;vents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockTray</name>
    <message>
        <source>Stop sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventAddDialogForm</name>
    <message>
        <source>Add a new event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Reminder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st Reminder, mins before the Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mins before the Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reminder Interval (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice / Music File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>Music or Voice for Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want a music or voice message to remind your event?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music/voice file can not be fond
Or,
 The file may not be a WAVEFORM audio (.wav) file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your entered time %1 evaluates to %2
Please correct it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Better not to schedule for past days[%1]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You should put something for 
the title of the event and a message for the event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title or Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event with same date, time, and title is already in database

Do you want to update the previoud one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Similar Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventExport</name>
    <message>
        <source>There are no events to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 exported to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>events</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventImport</name>
    <message>
        <source>%1 %2 imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>had already passed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>have no start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>was already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>were already there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeats: its next time was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>repeat: the next time of each was imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminder was more than 30 minutes ahead and comes 30 minutes before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reminders were more than 30 minutes ahead and come 30 minutes before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is in a time zone the clock does not know and was taken as local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>are in time zones the clock does not know and were taken as local time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(No title)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventReminders</name>
    <message>
        <source>&amp;Stop Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventViewDialog</name>
    <message>
        <source>In the return Title</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EventViewDialogForm</name>
    <message>
        <source>Display Previously Entered Events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1998</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2002</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2003</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2004</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2005</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2006</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2007</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2008</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2009</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2010</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time &amp; Subject/Title of Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice  / Music File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice / Music File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind at :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FacePainter</name>
    <message>
        <source>Select alarm time by mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;AM&quot; button to SELECT AM/PM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldInput</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>There was an error occured, can not find the path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find the HTML Help file(s).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoginStart</name>
    <message>
        <source>Could not remove %1: %2.
Delete that file to keep the clock from starting at login.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not make the folder %1.
Move away whatever is in its place, then choose &quot;Start at login&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2.
Make sure the folder %3 can be written, then choose &quot;Start at login&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NextAlarm</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next alarm: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snoozed till %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerAlertDialogForm</name>
    <message>
        <source>Prayer Alerts and Hijri Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short chime and a notice before each prayer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min before</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No alert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zohor / Jumma :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As&apos;r :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magreb :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hijri date, as the moon is sighted where you live</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days added to the date :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerBatchDialog</name>
    <message>
        <source>Time Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check your Day and Month figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in data period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1 the time would be %2 minutes from midnight, outside the day. Choose another time or a smaller step; nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current record is %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerBatchDialogForm</name>
    <message>
        <source>Update Prayer Time in Batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naamaz : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From =&gt; Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From =&gt; Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To =&gt; Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To =&gt; Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Descending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time value ( HH:MM [am/pm] ) : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Increment / Decrement value (minutes): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerCall</name>
    <message>
        <source>Fajr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Isha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerEditDialog</name>
    <message>
        <source>Invalid Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This day has no times yet: type them and press Update to store them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database Operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in Time value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check your Time Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerEditDialogForm</name>
    <message>
        <source>View and Edit Prayer Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Fajar :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zohor :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  As&apos;r :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magreb :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Isha :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jumma :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerGlance</name>
    <message>
        <source>in %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerSchedule</name>
    <message>
        <source>&amp;Stop Aazan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prayer call — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in %2 %3 — %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrayerStore</name>
    <message>
        <source>There is no prayer named &quot;%1&quot;. Choose one of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReminderDialogForm</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind againg after </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind again after, Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Reminder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displayed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RingingNotice</name>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScheduledWork</name>
    <message>
        <source>The event reminders could not be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The clock tries again in a few seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine was not stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed while the computer slept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missed while the clock was stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShutdownWarning</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepChoice</name>
    <message>
        <source>power off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wait [%1] is not a number of minutes
Type 1 to 1440 minutes, or leave the field empty to stop at the time shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shuts down, power off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspends the machine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halts: power stays on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The machine will %1 in %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sleep timer asks to %1 at %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> A halt leaves the power on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown &amp; Poweroff :: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suspend :: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown only :: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SleepTimer</name>
    <message>
        <source>Set &amp;Shutdown Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Shutdown Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in … min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep timer — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeOfDay</name>
    <message>
        <source>PM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time format [%1] may not be correct
Or you might have entered wrong time values
Format should be HH:MM or HH:MM [AM or PM]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimingsCalendar</name>
    <message>
        <source>The period ends before it begins. Choose a last day after the first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a period of at most a year: the clock keeps one row of times per day of the year.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No prayer times are stored for that period. Compute them with &quot;Timings by City info&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 prayer times exported to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimingsExportDialog</name>
    <message>
        <source>Export Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimingsExportDialogForm</name>
    <message>
        <source>Export Timings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browsing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open for Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Content is of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now at </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VoiceTables</name>
    <message>
        <source>Bangla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>the middle of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a seventh of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the twilight angle&apos;s share of the night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days (%2) take Fajr or Isha from %3, since the Sun does not go deep enough or the twilight outlasts that share</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days (%2) have a time moved by a minute or more to stay after the one before it, before the next Fajr, or off midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days (%2) have no sunrise or sunset and take the times of the nearest day that has them</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
