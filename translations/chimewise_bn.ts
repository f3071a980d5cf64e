<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Chimewise, Version </source>
        <translation>Chimewise, সংস্করণ </translation>
    </message>
    <message>
        <source>Designed and developed by the Chimewise team; write to us at </source>
        <translation>নকশা ও নির্মাণ Chimewise দলের; আমাদের লিখুন </translation>
    </message>
    <message>
        <source>Visit the Chimewise home page for news and help: </source>
        <translation>খবর ও সাহায্যের জন্য Chimewise-এর হোম পেজে যান: </translation>
    </message>
</context>
<context>
    <name>AboutDialogForm</name>
    <message>
        <source>About Chimewise</source>
        <translation>Chimewise সম্পর্কে</translation>
    </message>
    <message>
        <source>Chimewise icon</source>
        <translation>Chimewise-এর আইকন</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>সংস্করণ</translation>
    </message>
    <message>
        <source>Chimewise, Version</source>
        <translation>Chimewise, সংস্করণ</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>কৃতজ্ঞতা</translation>
    </message>
    <message>
        <source>Home page link</source>
        <translation>হোম পেজের লিংক</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>হোম পেজ</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>বিজ্ঞপ্তি</translation>
    </message>
    <message>
        <source>Chimewise comes with no warranty of any kind: check the times that matter to you.</source>
        <translation>Chimewise কোনো রকম নিশ্চয়তা দেয় না: আপনার জন্য জরুরি সময়গুলো মিলিয়ে নিন।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>AlarmListDialogForm</name>
    <message>
        <source>View all ALARMS</source>
        <translation>সব অ্যালার্ম দেখুন</translation>
    </message>
    <message>
        <source>Alarms</source>
        <translation>অ্যালার্ম</translation>
    </message>
    <message>
        <source>Alarm#</source>
        <translation>অ্যালার্ম#</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>সো</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>ম</translation>
    </message>
    <message>
        <source>We</source>
        <translation>বু</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>বৃ</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>শু</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>শ</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>র</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>একবার</translation>
    </message>
    <message>
        <source>Sound File</source>
        <translation>শব্দের ফাইল</translation>
    </message>
</context>
<context>
    <name>AlarmPanel</name>
    <message>
        <source>WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|</source>
        <translation>WAVE অডিও ফাইল (*.WAV)|*.WAV| সব ফাইল(*.*)|*.*|</translation>
    </message>
</context>
<context>
    <name>AlarmRinger</name>
    <message>
        <source>&amp;Stop Alarm</source>
        <translation>অ্যালার্ম থামান(&amp;S)</translation>
    </message>
    <message>
        <source>Alarm %1 — %2%3</source>
        <translation>অ্যালার্ম %L1 — %2%3</translation>
    </message>
</context>
<context>
    <name>AlarmRules</name>
    <message>
        <source>Select one of the %1 alarm items</source>
        <translation>%L1টি অ্যালার্মের একটি বাছুন</translation>
    </message>
    <message>
        <source>File to play field can not be empty :: Alarm ID = %1</source>
        <translation>বাজানোর ফাইলের ঘর খালি রাখা যাবে না :: অ্যালার্ম নম্বর = %L1</translation>
    </message>
    <message>
        <source>File [%1] does not exists</source>
        <translation>[%1] ফাইলটি নেই</translation>
    </message>
    <message>
        <source>Alarm %1 rings on no day: tick at least one day, Mo to Su</source>
        <translation>অ্যালার্ম %L1 কোনো দিনই বাজবে না: সোম থেকে রবির মধ্যে অন্তত একটি দিন বাছুন</translation>
    </message>
</context>
<context>
    <name>AlarmSnooze</name>
    <message>
        <source>Snooze %1 min</source>
        <translation>%L1 মিনিট স্নুজ</translation>
    </message>
</context>
<context>
    <name>BrowserDialog</name>
    <message>
        <source>Opening page...</source>
        <translation>পাতা খোলা হচ্ছে...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>শেষ</translation>
    </message>
    <message>
        <source>The page could not be opened.</source>
        <translation>পাতাটি খোলা গেল না।</translation>
    </message>
</context>
<context>
    <name>BrowserDialogForm</name>
    <message>
        <source>Norvik</source>
        <translation>নরভিক</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>ঠিকানা</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন(&amp;O)</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>পেছনে</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>পেছনে(&amp;B)</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>পরের</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>পরের(&amp;N)</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>থামান(&amp;S)</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>হোম</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>হোম(&amp;H)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>রিফ্রেশ</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>রিফ্রেশ(&amp;R)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ(&amp;C)</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পাতা</translation>
    </message>
</context>
<context>
    <name>CalcPreset</name>
    <message>
        <source>Muslim World League</source>
        <translation>মুসলিম ওয়ার্ল্ড লীগ</translation>
    </message>
    <message>
        <source>Egyptian</source>
        <translation>মিশরীয়</translation>
    </message>
    <message>
        <source>Karachi</source>
        <translation>করাচি</translation>
    </message>
    <message>
        <source>Umm al-Qura</source>
        <translation>উম্মুল কুরা</translation>
    </message>
    <message>
        <source>Dubai</source>
        <translation>দুবাই</translation>
    </message>
    <message>
        <source>North America (ISNA)</source>
        <translation>উত্তর আমেরিকা (ISNA)</translation>
    </message>
    <message>
        <source>Kuwait</source>
        <translation>কুয়েত</translation>
    </message>
    <message>
        <source>Qatar</source>
        <translation>কাতার</translation>
    </message>
    <message>
        <source>Singapore</source>
        <translation>সিঙ্গাপুর</translation>
    </message>
    <message>
        <source>Tehran</source>
        <translation>তেহরান</translation>
    </message>
    <message>
        <source>Turkey</source>
        <translation>তুরস্ক</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>নিজের মতো</translation>
    </message>
</context>
<context>
    <name>CalendarCommands</name>
    <message>
        <source>Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation>ক্যালেন্ডার ফাইল (*.ics)|*.ics|সব ফাইল (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Import Calendar</source>
        <translation>ক্যালেন্ডার আমদানি</translation>
    </message>
    <message>
        <source>Export Calendar</source>
        <translation>ক্যালেন্ডার রপ্তানি</translation>
    </message>
</context>
<context>
    <name>CalendarImport</name>
    <message>
        <source>%1 could not be imported: %2. Nothing was stored.</source>
        <translation>%1 আমদানি করা গেল না: %2। কিছুই সংরক্ষণ করা হয়নি।</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>এমন কোনো ফাইল নেই</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>এটি ফাইল নয়</translation>
    </message>
    <message>
        <source>it is too large to be a calendar</source>
        <translation>ক্যালেন্ডার হিসেবে এটি খুব বড়</translation>
    </message>
    <message>
        <source> Save it again from the program it comes from.</source>
        <translation> যে প্রোগ্রাম থেকে এসেছে, সেখান থেকে আবার সংরক্ষণ করুন।</translation>
    </message>
</context>
<context>
    <name>ChannelControls</name>
    <message>
        <source>Playing </source>
        <translation>বাজানো </translation>
    </message>
</context>
<context>
    <name>CityInfoDialog</name>
    <message>
        <source>Database not found. Creating Database</source>
        <translation>ডেটাবেস পাওয়া যায়নি। ডেটাবেস তৈরি হচ্ছে</translation>
    </message>
    <message>
        <source>Choose the zone of %1, so that its summer time follows the zone&apos;s own rules.</source>
        <translation>%1-এর সময় অঞ্চল বেছে নিন, যাতে গ্রীষ্মকালীন সময় সেই অঞ্চলের নিজের নিয়ম মেনে চলে।</translation>
    </message>
    <message>
        <source>Illegal Time Zone Value</source>
        <translation>সময় অঞ্চলের মান ঠিক নয়</translation>
    </message>
    <message>
        <source>Processing Record %1</source>
        <translation>রেকর্ড %L1 তৈরি হচ্ছে</translation>
    </message>
    <message>
        <source>Type the name of the city first: its settings are kept under it.</source>
        <translation>আগে শহরের নাম লিখুন: তার সেটিংস ওই নামেই রাখা হয়।</translation>
    </message>
    <message>
        <source>

Generate the times anyway?</source>
        <translation>

তবুও সময়গুলো তৈরি করবেন?</translation>
    </message>
    <message>
        <source>Replace the prayer times of all %1 days of %2?</source>
        <translation>%2 সালের সব %L1 দিনের নামাজের সময় বদলে দেবেন?</translation>
    </message>
    <message>
        <source>There is no zone named &quot;%1&quot;. Type part of the name, such as Dhaka or London, and pick it from the list; or leave it empty to use the offset and the daylight box.</source>
        <translation>&quot;%1&quot; নামে কোনো সময় অঞ্চল নেই। নামের কিছু অংশ লিখুন, যেমন Dhaka বা London, তারপর তালিকা থেকে বেছে নিন; অথবা ব্যবধান আর দিবালোকের ঘর ব্যবহার করতে খালি রাখুন।</translation>
    </message>
</context>
<context>
    <name>CityInfoDialogForm</name>
    <message>
        <source>Update Prayer Timings from City Information</source>
        <translation>শহরের তথ্য থেকে নামাজের সময় হালনাগাদ</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>শহর :</translation>
    </message>
    <message>
        <source>Zone :</source>
        <translation>অঞ্চল :</translation>
    </message>
    <message>
        <source>Type part of the name, e.g. Dhaka or London: the times then follow the zone&apos;s own summer time</source>
        <translation>নামের কিছু অংশ লিখুন, যেমন Dhaka বা London: তখন সময়গুলো সেই অঞ্চলের গ্রীষ্মকালীন সময় মেনে চলবে</translation>
    </message>
    <message>
        <source>Time Zone :</source>
        <translation>সময় অঞ্চল :</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>জিএমটি</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>দ্রাঘিমা :</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>দ্রাঘিমার মিনিট</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>দ্রাঘিমার দিক</translation>
    </message>
    <message>
        <source>Latitude :</source>
        <translation>অক্ষাংশ :</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>অক্ষাংশের মিনিট</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>অক্ষাংশের দিক</translation>
    </message>
    <message>
        <source>Day Light Saving Time Adjustment Needed</source>
        <translation>দিবালোক সংরক্ষণ সময়ের সমন্বয় দরকার</translation>
    </message>
    <message>
        <source>Method :</source>
        <translation>পদ্ধতি :</translation>
    </message>
    <message>
        <source>High latitudes :</source>
        <translation>উঁচু অক্ষাংশে :</translation>
    </message>
    <message>
        <source>By latitude (a seventh of the night above 48°)</source>
        <translation>অক্ষাংশ অনুযায়ী (৪৮°-এর ওপরে রাতের সাত ভাগের এক ভাগ)</translation>
    </message>
    <message>
        <source>Middle of the night</source>
        <translation>রাতের মাঝামাঝি</translation>
    </message>
    <message>
        <source>One seventh of the night</source>
        <translation>রাতের সাত ভাগের এক ভাগ</translation>
    </message>
    <message>
        <source>Twilight angle (angle/60 of the night)</source>
        <translation>গোধূলির কোণ (রাতের কোণ/৬০ ভাগ)</translation>
    </message>
    <message>
        <source>Minutes added :</source>
        <translation>যোগ করা মিনিট :</translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source> min</source>
        <translation> মিনিট</translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>As&apos;r</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>By Angle of Depression</source>
        <translation>অবনতি কোণ অনুযায়ী</translation>
    </message>
    <message>
        <source>By Interval</source>
        <translation>বিরতি অনুযায়ী</translation>
    </message>
    <message>
        <source>By Max Interval</source>
        <translation>সর্বোচ্চ বিরতি অনুযায়ী</translation>
    </message>
    <message>
        <source>Angle of Depression at Fajr (deg) :</source>
        <translation>ফজরে সূর্যের অবনতি কোণ (ডিগ্রি) :</translation>
    </message>
    <message>
        <source>Interval (minutes) :</source>
        <translation>বিরতি (মিনিট) :</translation>
    </message>
    <message>
        <source>Fiqh</source>
        <translation>ফিকহ</translation>
    </message>
    <message>
        <source>As&apos;r Time by Shadow Ratio</source>
        <translation>ছায়ার অনুপাতে আসরের সময়</translation>
    </message>
    <message>
        <source>Shadow ratio</source>
        <translation>ছায়ার অনুপাত</translation>
    </message>
    <message>
        <source>1</source>
        <translation>১</translation>
    </message>
    <message>
        <source>2</source>
        <translation>২</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>তৈরি করুন(&amp;G)</translation>
    </message>
</context>
<context>
    <name>CitySettings</name>
    <message>
        <source>At longitude %1° %2′ %3 the Sun is highest near noon of %4, but the zone is %5: Zohor would come hours away from midday. Check the longitude&apos;s direction (E or W) and the zone.</source>
        <translation>দ্রাঘিমা %1° %2′ %3-এ সূর্য %4-এর দুপুরের কাছে সবচেয়ে উঁচুতে থাকে, কিন্তু অঞ্চলটি %5: যোহর দুপুর থেকে কয়েক ঘণ্টা দূরে পড়বে। দ্রাঘিমার দিক (E বা W) আর অঞ্চলটি মিলিয়ে দেখুন।</translation>
    </message>
</context>
<context>
    <name>ClockDialog</name>
    <message>
        <source>Idea-&gt;Chimewise</source>
        <translation>ভাবনা-&gt;Chimewise</translation>
    </message>
    <message>
        <source>Voice-&gt;eSpeak NG</source>
        <translation>কণ্ঠ-&gt;eSpeak NG</translation>
    </message>
    <message>
        <source>Repairing Databases</source>
        <translation>ডেটাবেস মেরামত হচ্ছে</translation>
    </message>
    <message>
        <source>Announce in %1</source>
        <translation>%1য় ঘোষণা</translation>
    </message>
    <message>
        <source>The windows show the new language when Chimewise starts again.</source>
        <translation>Chimewise আবার চালু হলে জানালাগুলো নতুন ভাষায় দেখাবে।</translation>
    </message>
</context>
<context>
    <name>ClockDialogForm</name>
    <message>
        <source>Chimewise (MM)</source>
        <translation>Chimewise (MM)</translation>
    </message>
    <message>
        <source>Alarm Settings</source>
        <translation>অ্যালার্মের সেটিংস</translation>
    </message>
    <message>
        <source>Announcement Intervals</source>
        <translation>ঘোষণার বিরতি</translation>
    </message>
    <message>
        <source>Idea credit</source>
        <translation>ভাবনার কৃতিত্ব</translation>
    </message>
    <message>
        <source>Voice credit</source>
        <translation>কণ্ঠের কৃতিত্ব</translation>
    </message>
    <message>
        <source>15 min</source>
        <translation>১৫ মিনিট</translation>
    </message>
    <message>
        <source>30 min</source>
        <translation>৩০ মিনিট</translation>
    </message>
    <message>
        <source>60 min</source>
        <translation>৬০ মিনিট</translation>
    </message>
    <message>
        <source>No Announcement</source>
        <translation>ঘোষণা নয়</translation>
    </message>
    <message>
        <source>&amp;Stop Alarm</source>
        <translation>অ্যালার্ম থামান(&amp;S)</translation>
    </message>
    <message>
        <source>Sound position</source>
        <translation>শব্দের অবস্থান</translation>
    </message>
    <message>
        <source>Alarm slot</source>
        <translation>অ্যালার্মের ঘর</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>অ্যালার্মের সময়</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>রাখুন</translation>
    </message>
    <message>
        <source>File to play</source>
        <translation>বাজানোর ফাইল</translation>
    </message>
    <message>
        <source>&amp;Play File ( Browse )</source>
        <translation>ফাইল বাজান ( খুঁজুন )(&amp;P)</translation>
    </message>
    <message>
        <source>Msg</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Announce in English</source>
        <translation>ইংরেজিতে ঘোষণা</translation>
    </message>
    <message>
        <source>Aaazan (Prayer Time)</source>
        <translation>আজান (নামাজের সময়)</translation>
    </message>
    <message>
        <source>Shutdown time</source>
        <translation>বন্ধের সময়</translation>
    </message>
    <message>
        <source>Set &amp;Shutdown Time</source>
        <translation>বন্ধের সময় ঠিক করুন(&amp;S)</translation>
    </message>
    <message>
        <source>Enable Sleep Timer</source>
        <translation>স্লিপ টাইমার চালু</translation>
    </message>
    <message>
        <source>Announce in Bangla</source>
        <translation>বাংলায় ঘোষণা</translation>
    </message>
    <message>
        <source>Power Off?</source>
        <translation>বিদ্যুৎ বন্ধ?</translation>
    </message>
    <message>
        <source>&amp;Alarm#</source>
        <translation>অ্যালার্ম</translation>
    </message>
    <message>
        <source>&amp;Time</source>
        <translation>সময়(&amp;T)</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>পূর্বাহ্ণ</translation>
    </message>
    <message>
        <source>Picked time</source>
        <translation>বাছাই করা সময়</translation>
    </message>
    <message>
        <source>Developed by the Chimewise team</source>
        <translation>Chimewise দলের তৈরি</translation>
    </message>
    <message>
        <source>Suspend?</source>
        <translation>স্থগিত?</translation>
    </message>
    <message>
        <source>Suspend the machine instead of stopping it</source>
        <translation>যন্ত্র বন্ধ না করে স্থগিত রাখুন</translation>
    </message>
    <message>
        <source>Stop in minutes</source>
        <translation>কত মিনিট পরে বন্ধ</translation>
    </message>
    <message>
        <source>Minutes from now, instead of the time above</source>
        <translation>ওপরের সময়ের বদলে এখন থেকে কত মিনিট পরে</translation>
    </message>
    <message>
        <source>Halts: power stays on</source>
        <translation>থামে: বিদ্যুৎ চালু থাকে</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>what it is for</source>
        <translation>কিসের জন্য</translation>
    </message>
    <message>
        <source>Snoo&amp;ze</source>
        <translation>স্নুজ(&amp;Z)</translation>
    </message>
    <message>
        <source>Minutes until a snoozed alarm rings again</source>
        <translation>স্নুজ করা অ্যালার্ম আবার বাজতে কত মিনিট</translation>
    </message>
    <message>
        <source> min</source>
        <translation> মি.</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>সো</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>সোমবার</translation>
    </message>
    <message>
        <source>Rings on Monday</source>
        <translation>সোমবারে বাজে</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>ম</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>মঙ্গলবার</translation>
    </message>
    <message>
        <source>Rings on Tuesday</source>
        <translation>মঙ্গলবারে বাজে</translation>
    </message>
    <message>
        <source>We</source>
        <translation>বু</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>বুধবার</translation>
    </message>
    <message>
        <source>Rings on Wednesday</source>
        <translation>বুধবারে বাজে</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>বৃ</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>বৃহস্পতিবার</translation>
    </message>
    <message>
        <source>Rings on Thursday</source>
        <translation>বৃহস্পতিবারে বাজে</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>শু</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>শুক্রবার</translation>
    </message>
    <message>
        <source>Rings on Friday</source>
        <translation>শুক্রবারে বাজে</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>শ</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>শনিবার</translation>
    </message>
    <message>
        <source>Rings on Saturday</source>
        <translation>শনিবারে বাজে</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>র</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>রবিবার</translation>
    </message>
    <message>
        <source>Rings on Sunday</source>
        <translation>রবিবারে বাজে</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>একবার</translation>
    </message>
    <message>
        <source>Rings once, then frees its slot</source>
        <translation>একবার বাজে, তারপর ঘরটি খালি হয়</translation>
    </message>
</context>
<context>
    <name>ClockMenus</name>
    <message>
        <source>&amp;Clock</source>
        <translation>ঘড়ি(&amp;C)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>বন্ধ করুন(&amp;X)</translation>
    </message>
    <message>
        <source>Repair Databases</source>
        <translation>ডেটাবেস মেরামত</translation>
    </message>
    <message>
        <source>&amp;About Chimewise</source>
        <translation>Chimewise সম্পর্কে(&amp;A)</translation>
    </message>
    <message>
        <source>Start at login</source>
        <translation>লগইনে চালু</translation>
    </message>
    <message>
        <source>Interface language</source>
        <translation>পর্দার ভাষা</translation>
    </message>
    <message>
        <source>System</source>
        <translation>সিস্টেমের মতো</translation>
    </message>
    <message>
        <source>T&amp;ools  </source>
        <translation>টুলস(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;View Alarms</source>
        <translation>অ্যালার্মগুলো দেখুন(&amp;V)</translation>
    </message>
    <message>
        <source>Clear All Alarm</source>
        <translation>সব অ্যালার্ম মুছুন</translation>
    </message>
    <message>
        <source>&amp;Aazan</source>
        <translation>আজান(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Enable Announcing</source>
        <translation>ঘোষণা চালু(&amp;E)</translation>
    </message>
    <message>
        <source>Set Aa&amp;zan Timings</source>
        <translation>আজানের সময় ঠিক করুন(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;View and Edit Timings </source>
        <translation>সময় দেখুন ও বদলান(&amp;V) </translation>
    </message>
    <message>
        <source>&amp;Timings by City info</source>
        <translation>শহরের তথ্য থেকে সময়(&amp;T)</translation>
    </message>
    <message>
        <source>Export Timings…</source>
        <translation>সময়সূচি রপ্তানি…</translation>
    </message>
    <message>
        <source>&amp;Alerts and Hijri Date</source>
        <translation>সতর্কতা ও হিজরি তারিখ(&amp;A)</translation>
    </message>
    <message>
        <source>Event &amp;Schedules	Ctrl+S</source>
        <translation>ইভেন্টের তালিকা(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Add A New Event	Ctrl+A</source>
        <translation>নতুন ইভেন্ট যোগ করুন(&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <source>V&amp;iew Events	Ctrl+V</source>
        <translation>ইভেন্ট দেখুন(&amp;I)	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;English	Ctrl+E</source>
        <translation>ইংরেজি(&amp;E)	Ctrl+E</translation>
    </message>
    <message>
        <source>Open Web Browser</source>
        <translation>ওয়েব ব্রাউজার খুলুন</translation>
    </message>
    <message>
        <source>E&amp;vents</source>
        <translation>ইভেন্ট(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>যোগ করুন(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>দেখুন(&amp;V)</translation>
    </message>
    <message>
        <source>Import Calendar…</source>
        <translation>ক্যালেন্ডার আমদানি…</translation>
    </message>
    <message>
        <source>Export Calendar…</source>
        <translation>ক্যালেন্ডার রপ্তানি…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Minimize</source>
        <translation>ছোট</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>সম্পর্কে(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Toggle Language</source>
        <translation>ভাষা বদলান(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Enable Aazan</source>
        <translation>আজান চালু(&amp;E)</translation>
    </message>
    <message>
        <source>View &amp;Alarms</source>
        <translation>অ্যালার্ম দেখুন(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Web Browser</source>
        <translation>ওয়েব ব্রাউজার(&amp;W)</translation>
    </message>
    <message>
        <source>View E&amp;vents</source>
        <translation>ইভেন্ট দেখুন(&amp;V)</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>ঘড়ি</translation>
    </message>
</context>
<context>
    <name>ClockTray</name>
    <message>
        <source>Stop sound</source>
        <translation>শব্দ থামান</translation>
    </message>
</context>
<context>
    <name>EventAddDialogForm</name>
    <message>
        <source>Add a new event</source>
        <translation>নতুন ইভেন্ট যোগ করুন</translation>
    </message>
    <message>
        <source>Event Date:</source>
        <translation>ইভেন্টের তারিখ:</translation>
    </message>
    <message>
        <source>Event Date</source>
        <translation>ইভেন্টের তারিখ</translation>
    </message>
    <message>
        <source>Event Time:</source>
        <translation>ইভেন্টের সময়:</translation>
    </message>
    <message>
        <source>Event Time</source>
        <translation>ইভেন্টের সময়</translation>
    </message>
    <message>
        <source>Subject:</source>
        <translation>বিষয়:</translation>
    </message>
    <message>
        <source>Subject</source>
        <translation>বিষয়</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>বার্তা:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>1st Reminder:</source>
        <translation>প্রথম রিমাইন্ডার:</translation>
    </message>
    <message>
        <source>1st Reminder, mins before the Event</source>
        <translation>প্রথম রিমাইন্ডার, ইভেন্টের কত মিনিট আগে</translation>
    </message>
    <message>
        <source>mins before the Event</source>
        <translation>ইভেন্টের কত মিনিট আগে</translation>
    </message>
    <message>
        <source>Reminder Interval (min)</source>
        <translation>রিমাইন্ডারের বিরতি (মিনিট)</translation>
    </message>
    <message>
        <source>Voice / Music File</source>
        <translation>কণ্ঠ / গানের ফাইল</translation>
    </message>
    <message>
        <source>&amp;Browse</source>
        <translation>খুঁজুন(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>রেকর্ড(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>থামান(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>বাজান(&amp;P)</translation>
    </message>
    <message>
        <source>Play position</source>
        <translation>বাজানোর অবস্থান</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>অবস্থান</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>দৈর্ঘ্য</translation>
    </message>
    <message>
        <source>&amp;Store</source>
        <translation>সংরক্ষণ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ করুন(&amp;C)</translation>
    </message>
</context>
<context>
    <name>EventEntry</name>
    <message>
        <source>Music or Voice for Reminder</source>
        <translation>রিমাইন্ডারের গান বা কণ্ঠ</translation>
    </message>
    <message>
        <source>Do you want a music or voice message to remind your event?</source>
        <translation>ইভেন্ট মনে করাতে কোনো গান বা কণ্ঠবার্তা চান?</translation>
    </message>
    <message>
        <source>Music/voice file can not be fond
Or,
 The file may not be a WAVEFORM audio (.wav) file</source>
        <translation>গান/কণ্ঠের ফাইলটি পাওয়া যায়নি
অথবা,
 ফাইলটি হয়তো WAVEFORM অডিও (.wav) ফাইল নয়</translation>
    </message>
    <message>
        <source>Your entered time %1 evaluates to %2
Please correct it</source>
        <translation>আপনার লেখা সময় %1 থেকে %2 পাওয়া যায়
ঠিক করে নিন</translation>
    </message>
    <message>
        <source>Event Time</source>
        <translation>ইভেন্টের সময়</translation>
    </message>
    <message>
        <source>Better not to schedule for past days[%1]</source>
        <translation>পেরিয়ে যাওয়া দিনের জন্য সময় না রাখাই ভালো [%1]</translation>
    </message>
    <message>
        <source>Event Date</source>
        <translation>ইভেন্টের তারিখ</translation>
    </message>
    <message>
        <source>You should put something for 
the title of the event and a message for the event</source>
        <translation>ইভেন্টের একটি শিরোনাম 
আর একটি বার্তা লিখতে হবে</translation>
    </message>
    <message>
        <source>Title or Message</source>
        <translation>শিরোনাম বা বার্তা</translation>
    </message>
    <message>
        <source>Event with same date, time, and title is already in database

Do you want to update the previoud one?</source>
        <translation>একই তারিখ, সময় ও শিরোনামের ইভেন্ট আগেই ডেটাবেসে আছে

আগেরটি হালনাগাদ করতে চান?</translation>
    </message>
    <message>
        <source>Similar Entry</source>
        <translation>একই রকম ইভেন্ট</translation>
    </message>
</context>
<context>
    <name>EventExport</name>
    <message>
        <source>There are no events to export.</source>
        <translation>রপ্তানি করার মতো কোনো ইভেন্ট নেই।</translation>
    </message>
    <message>
        <source>%1 %2 exported to %3</source>
        <translation>%L1টি %2 %3-এ রপ্তানি হয়েছে</translation>
    </message>
    <message>
        <source>event</source>
        <translation>ইভেন্ট</translation>
    </message>
    <message>
        <source>events</source>
        <translation>ইভেন্ট</translation>
    </message>
</context>
<context>
    <name>EventImport</name>
    <message>
        <source>%1 %2 imported</source>
        <translation>%L1টি %2 আমদানি হয়েছে</translation>
    </message>
    <message>
        <source>event</source>
        <translation>ইভেন্ট</translation>
    </message>
    <message>
        <source>events</source>
        <translation>ইভেন্ট</translation>
    </message>
    <message>
        <source>had already passed</source>
        <translation>আগেই পেরিয়ে গেছে</translation>
    </message>
    <message>
        <source>has no start time</source>
        <translation>শুরুর সময় নেই</translation>
    </message>
    <message>
        <source>have no start time</source>
        <translation>শুরুর সময় নেই</translation>
    </message>
    <message>
        <source>was already there</source>
        <translation>আগেই ছিল</translation>
    </message>
    <message>
        <source>were already there</source>
        <translation>আগেই ছিল</translation>
    </message>
    <message>
        <source>repeats: its next time was imported</source>
        <translation>বারবার হয়: তার পরের বারটি আমদানি হয়েছে</translation>
    </message>
    <message>
        <source>repeat: the next time of each was imported</source>
        <translation>বারবার হয়: প্রতিটির পরের বারটি আমদানি হয়েছে</translation>
    </message>
    <message>
        <source>reminder was more than 30 minutes ahead and comes 30 minutes before</source>
        <translation>রিমাইন্ডার ৩০ মিনিটের বেশি আগে ছিল, এখন ৩০ মিনিট আগে আসবে</translation>
    </message>
    <message>
        <source>reminders were more than 30 minutes ahead and come 30 minutes before</source>
        <translation>রিমাইন্ডার ৩০ মিনিটের বেশি আগে ছিল, এখন ৩০ মিনিট আগে আসবে</translation>
    </message>
    <message>
        <source>is in a time zone the clock does not know and was taken as local time</source>
        <translation>ঘড়ির অজানা সময় অঞ্চলে, তাই স্থানীয় সময় ধরা হয়েছে</translation>
    </message>
    <message>
        <source>are in time zones the clock does not know and were taken as local time</source>
        <translation>ঘড়ির অজানা সময় অঞ্চলে, তাই স্থানীয় সময় ধরা হয়েছে</translation>
    </message>
    <message>
        <source>(No title)</source>
        <translation>(শিরোনাম নেই)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%L1টি %2</translation>
    </message>
</context>
<context>
    <name>EventReminders</name>
    <message>
        <source>&amp;Stop Event</source>
        <translation>ইভেন্ট থামান(&amp;S)</translation>
    </message>
    <message>
        <source>Event — %1</source>
        <translation>ইভেন্ট — %1</translation>
    </message>
</context>
<context>
    <name>EventText</name>
    <message>
        <source>Scheduled at %1 on %2, %3 %4, %5</source>
        <translation>নির্ধারিত সময় %1, %2, %3 %4, %5</translation>
    </message>
    <message>
        <source>Displayed: %1 %2 %3 %4</source>
        <translation>দেখানো: %2 %1 %3 %4</translation>
    </message>
    <message>
        <source>Elapsed %1</source>
        <translation>পেরিয়েছে %1</translation>
    </message>
</context>
<context>
    <name>EventViewDialog</name>
    <message>
        <source>In the return Title</source>
        <translation>শিরোনাম পড়া গেল না</translation>
    </message>
</context>
<context>
    <name>EventViewDialogForm</name>
    <message>
        <source>Display Previously Entered Events</source>
        <translation>আগে রাখা ইভেন্টগুলো দেখুন</translation>
    </message>
    <message>
        <source>Date :</source>
        <translation>তারিখ :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>তারিখ</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>January</source>
        <translation>জানুয়ারি</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ফেব্রুয়ারি</translation>
    </message>
    <message>
        <source>March</source>
        <translation>মার্চ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>এপ্রিল</translation>
    </message>
    <message>
        <source>May</source>
        <translation>মে</translation>
    </message>
    <message>
        <source>June</source>
        <translation>জুন</translation>
    </message>
    <message>
        <source>July</source>
        <translation>জুলাই</translation>
    </message>
    <message>
        <source>August</source>
        <translation>আগস্ট</translation>
    </message>
    <message>
        <source>September</source>
        <translation>সেপ্টেম্বর</translation>
    </message>
    <message>
        <source>October</source>
        <translation>অক্টোবর</translation>
    </message>
    <message>
        <source>November</source>
        <translation>নভেম্বর</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ডিসেম্বর</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>বছর</translation>
    </message>
    <message>
        <source>1998</source>
        <translation>১৯৯৮</translation>
    </message>
    <message>
        <source>1999</source>
        <translation>১৯৯৯</translation>
    </message>
    <message>
        <source>2000</source>
        <translation>২০০০</translation>
    </message>
    <message>
        <source>2001</source>
        <translation>২০০১</translation>
    </message>
    <message>
        <source>2002</source>
        <translation>২০০২</translation>
    </message>
    <message>
        <source>2003</source>
        <translation>২০০৩</translation>
    </message>
    <message>
        <source>2004</source>
        <translation>২০০৪</translation>
    </message>
    <message>
        <source>2005</source>
        <translation>২০০৫</translation>
    </message>
    <message>
        <source>2006</source>
        <translation>২০০৬</translation>
    </message>
    <message>
        <source>2007</source>
        <translation>২০০৭</translation>
    </message>
    <message>
        <source>2008</source>
        <translation>২০০৮</translation>
    </message>
    <message>
        <source>2009</source>
        <translation>২০০৯</translation>
    </message>
    <message>
        <source>2010</source>
        <translation>২০১০</translation>
    </message>
    <message>
        <source>Time &amp; Subject/Title of Event</source>
        <translation>ইভেন্টের সময় ও বিষয়/শিরোনাম</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>Voice  / Music File</source>
        <translation>কণ্ঠ / গানের ফাইল</translation>
    </message>
    <message>
        <source>Voice / Music File</source>
        <translation>কণ্ঠ / গানের ফাইল</translation>
    </message>
    <message>
        <source>Remind at :</source>
        <translation>মনে করাবে :</translation>
    </message>
    <message>
        <source>Remind at</source>
        <translation>মনে করানোর সময়</translation>
    </message>
    <message>
        <source>Remind on</source>
        <translation>মনে করানোর তারিখ</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>মুছুন(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>শেষ(&amp;D)</translation>
    </message>
</context>
<context>
    <name>FacePainter</name>
    <message>
        <source>Select alarm time by mouse</source>
        <translation>মাউস দিয়ে অ্যালার্মের সময় বাছুন</translation>
    </message>
    <message>
        <source>Click to transfer</source>
        <translation>ক্লিক করে বসান</translation>
    </message>
    <message>
        <source>&quot;AM&quot; button to SELECT AM/PM</source>
        <translation>&quot;পূর্বাহ্ণ&quot; বোতামে পূর্বাহ্ণ/অপরাহ্ণ বাছুন</translation>
    </message>
</context>
<context>
    <name>FieldInput</name>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%L1 থেকে %L2-এর মধ্যে একটি পূর্ণসংখ্যা লিখুন।</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 থেকে %2-এর মধ্যে একটি সংখ্যা লিখুন।</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>একটি সংখ্যা লিখুন।</translation>
    </message>
</context>
<context>
    <name>LinkOpener</name>
    <message>
        <source>There was an error occured, can not find the path.</source>
        <translation>একটি ত্রুটি হয়েছে, পথটি খুঁজে পাওয়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>Can not find the HTML Help file(s).</source>
        <translation>সাহায্যের HTML ফাইল খুঁজে পাওয়া যাচ্ছে না।</translation>
    </message>
    <message>
        <source>The help browser is not installed, so the help opens in your web browser. To read it in Chimewise, install the package chimewise-browser (sudo apt install chimewise-browser).</source>
        <translation>সাহায্যের ব্রাউজারটি ইনস্টল করা নেই, তাই সাহায্য আপনার ওয়েব ব্রাউজারে খুলছে। Chimewise-এর ভেতরেই পড়তে chimewise-browser প্যাকেজটি ইনস্টল করুন (sudo apt install chimewise-browser)।</translation>
    </message>
    <message>
        <source>The help browser (%1) stopped or could not start, so the page opens in your web browser. If this happens again, reinstall the package chimewise-browser (sudo apt install --reinstall chimewise-browser).</source>
        <translation>সাহায্যের ব্রাউজারটি (%1) বন্ধ হয়ে গেছে বা চালু হতে পারেনি, তাই পাতাটি আপনার ওয়েব ব্রাউজারে খুলছে। আবার এমন হলে chimewise-browser প্যাকেজটি আবার ইনস্টল করুন (sudo apt install --reinstall chimewise-browser)।</translation>
    </message>
</context>
<context>
    <name>LoginStart</name>
    <message>
        <source>Could not remove %1: %2.
Delete that file to keep the clock from starting at login.</source>
        <translation>%1 সরানো গেল না: %2।
লগইনে ঘড়ি চালু হওয়া বন্ধ করতে ফাইলটি মুছে ফেলুন।</translation>
    </message>
    <message>
        <source>Could not make the folder %1.
Move away whatever is in its place, then choose &quot;Start at login&quot; again.</source>
        <translation>%1 ফোল্ডারটি তৈরি করা গেল না।
ওই জায়গায় যা আছে সরিয়ে দিন, তারপর আবার &quot;লগইনে চালু&quot; বাছুন।</translation>
    </message>
    <message>
        <source>Could not write %1: %2.
Make sure the folder %3 can be written, then choose &quot;Start at login&quot; again.</source>
        <translation>%1 লেখা গেল না: %2।
%3 ফোল্ডারে লেখা যায় কি না দেখে নিন, তারপর আবার &quot;লগইনে চালু&quot; বাছুন।</translation>
    </message>
</context>
<context>
    <name>NextAlarm</name>
    <message>
        <source>Sun</source>
        <translation>রবি</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>সোম</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>মঙ্গল</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>বুধ</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>বৃহঃ</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>শুক্র</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>শনি</translation>
    </message>
    <message>
        <source>Next alarm: %1 %2</source>
        <translation>পরের অ্যালার্ম: %1 %2</translation>
    </message>
    <message>
        <source>Snoozed till %1: %2</source>
        <translation>%1 পর্যন্ত স্নুজ: %2</translation>
    </message>
</context>
<context>
    <name>PrayerAlertDialogForm</name>
    <message>
        <source>Prayer Alerts and Hijri Date</source>
        <translation>নামাজের সতর্কতা ও হিজরি তারিখ</translation>
    </message>
    <message>
        <source>A short chime and a notice before each prayer</source>
        <translation>প্রতি নামাজের আগে ছোট একটি ঘণ্টাধ্বনি ও নোটিশ</translation>
    </message>
    <message>
        <source>Fajr :</source>
        <translation>ফজর :</translation>
    </message>
    <message>
        <source> min before</source>
        <translation> মিনিট আগে</translation>
    </message>
    <message>
        <source>No alert</source>
        <translation>সতর্কতা নেই</translation>
    </message>
    <message>
        <source>Zohor / Jumma :</source>
        <translation>যোহর / জুমা :</translation>
    </message>
    <message>
        <source>As&apos;r :</source>
        <translation>আসর :</translation>
    </message>
    <message>
        <source>Magreb :</source>
        <translation>মাগরিব :</translation>
    </message>
    <message>
        <source>Isha :</source>
        <translation>এশা :</translation>
    </message>
    <message>
        <source>Hijri date, as the moon is sighted where you live</source>
        <translation>হিজরি তারিখ, আপনার এলাকায় চাঁদ দেখা অনুযায়ী</translation>
    </message>
    <message>
        <source>Days added to the date :</source>
        <translation>তারিখের সঙ্গে যোগ হবে (দিন) :</translation>
    </message>
    <message>
        <source> days</source>
        <translation> দিন</translation>
    </message>
</context>
<context>
    <name>PrayerBatchDialog</name>
    <message>
        <source>Time Value</source>
        <translation>সময়ের মান</translation>
    </message>
    <message>
        <source>Please check your Day and Month figures.</source>
        <translation>দিন ও মাসের সংখ্যাগুলো মিলিয়ে দেখুন।</translation>
    </message>
    <message>
        <source>Error in data period</source>
        <translation>সময়কালে ভুল আছে</translation>
    </message>
    <message>
        <source>On %1 the time would be %2 minutes from midnight, outside the day. Choose another time or a smaller step; nothing was written.</source>
        <translation>%1 তারিখে সময়টি মধ্যরাত থেকে %L2 মিনিট হত, দিনের বাইরে। অন্য সময় বা ছোট ধাপ বাছুন; কিছুই লেখা হয়নি।</translation>
    </message>
    <message>
        <source>Current record is %1</source>
        <translation>বর্তমান রেকর্ড %L1</translation>
    </message>
</context>
<context>
    <name>PrayerBatchDialogForm</name>
    <message>
        <source>Update Prayer Time in Batch</source>
        <translation>একসঙ্গে নামাজের সময় হালনাগাদ</translation>
    </message>
    <message>
        <source>Naamaz : </source>
        <translation>নামাজ : </translation>
    </message>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Jumma</source>
        <translation>জুমা</translation>
    </message>
    <message>
        <source>From =&gt; Day:</source>
        <translation>শুরু =&gt; দিন:</translation>
    </message>
    <message>
        <source>From =&gt; Month:</source>
        <translation>শুরু =&gt; মাস:</translation>
    </message>
    <message>
        <source>To =&gt; Day:</source>
        <translation>শেষ =&gt; দিন:</translation>
    </message>
    <message>
        <source>To =&gt; Month:</source>
        <translation>শেষ =&gt; মাস:</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>একই থাকবে</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>বাড়তে থাকবে</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>কমতে থাকবে</translation>
    </message>
    <message>
        <source>Time value ( HH:MM [am/pm] ) : </source>
        <translation>সময় ( HH:MM [am/pm] ) : </translation>
    </message>
    <message>
        <source>Increment / Decrement value (minutes): </source>
        <translation>কতটা বাড়বে / কমবে (মিনিট): </translation>
    </message>
    <message>
        <source>Time</source>
        <translation>সময়</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>পরের(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>শেষ(&amp;D)</translation>
    </message>
</context>
<context>
    <name>PrayerCall</name>
    <message>
        <source>Fajr</source>
        <translation>ফজর</translation>
    </message>
    <message>
        <source>Zohor</source>
        <translation>যোহর</translation>
    </message>
    <message>
        <source>Asr</source>
        <translation>আসর</translation>
    </message>
    <message>
        <source>Magreb</source>
        <translation>মাগরিব</translation>
    </message>
    <message>
        <source>Isha</source>
        <translation>এশা</translation>
    </message>
    <message>
        <source>Jumma</source>
        <translation>জুমা</translation>
    </message>
</context>
<context>
    <name>PrayerEditDialog</name>
    <message>
        <source>Invalid Data</source>
        <translation>ভুল তথ্য</translation>
    </message>
    <message>
        <source>Day Value</source>
        <translation>দিনের মান</translation>
    </message>
    <message>
        <source>This day has no times yet: type them and press Update to store them.</source>
        <translation>এই দিনের কোনো সময় এখনো নেই: সময়গুলো লিখে সংরক্ষণ করতে &quot;হালনাগাদ&quot; চাপুন।</translation>
    </message>
    <message>
        <source>Database Operation</source>
        <translation>ডেটাবেসের কাজ</translation>
    </message>
    <message>
        <source>Error in Time value</source>
        <translation>সময়ে ভুল আছে</translation>
    </message>
    <message>
        <source>Check your Time Value</source>
        <translation>সময়টি মিলিয়ে দেখুন</translation>
    </message>
</context>
<context>
    <name>PrayerEditDialogForm</name>
    <message>
        <source>View and Edit Prayer Timings</source>
        <translation>নামাজের সময় দেখুন ও বদলান</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>মাস</translation>
    </message>
    <message>
        <source>January</source>
        <translation>জানুয়ারি</translation>
    </message>
    <message>
        <source>February</source>
        <translation>ফেব্রুয়ারি</translation>
    </message>
    <message>
        <source>March</source>
        <translation>মার্চ</translation>
    </message>
    <message>
        <source>April</source>
        <translation>এপ্রিল</translation>
    </message>
    <message>
        <source>May</source>
        <translation>মে</translation>
    </message>
    <message>
        <source>June</source>
        <translation>জুন</translation>
    </message>
    <message>
        <source>July</source>
        <translation>জুলাই</translation>
    </message>
    <message>
        <source>August</source>
        <translation>আগস্ট</translation>
    </message>
    <message>
        <source>September</source>
        <translation>সেপ্টেম্বর</translation>
    </message>
    <message>
        <source>October</source>
        <translation>অক্টোবর</translation>
    </message>
    <message>
        <source>November</source>
        <translation>নভেম্বর</translation>
    </message>
    <message>
        <source>December</source>
        <translation>ডিসেম্বর</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>দিন</translation>
    </message>
    <message>
        <source>  Fajar :</source>
        <translation>  ফজর :</translation>
    </message>
    <message>
        <source>Zohor :</source>
        <translation>যোহর :</translation>
    </message>
    <message>
        <source>  As&apos;r :</source>
        <translation>  আসর :</translation>
    </message>
    <message>
        <source>Magreb :</source>
        <translation>মাগরিব :</translation>
    </message>
    <message>
        <source>  Isha :</source>
        <translation>  এশা :</translation>
    </message>
    <message>
        <source>Jumma :</source>
        <translation>জুমা :</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>শেষ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>হালনাগাদ(&amp;U)</translation>
    </message>
</context>
<context>
    <name>PrayerGlance</name>
    <message>
        <source>in %1 min</source>
        <translation>%L1 মিনিট পরে</translation>
    </message>
    <message>
        <source>in %1 h</source>
        <translation>%L1 ঘণ্টা পরে</translation>
    </message>
    <message>
        <source>in %1 h %2 min</source>
        <translation>%L1 ঘণ্টা %L2 মিনিট পরে</translation>
    </message>
    <message>
        <source>%1 %2 %3 AH</source>
        <translation>%1 %2 %3 হিজরি</translation>
    </message>
</context>
<context>
    <name>PrayerSchedule</name>
    <message>
        <source>&amp;Stop Aazan</source>
        <translation>আজান থামান(&amp;S)</translation>
    </message>
    <message>
        <source>Prayer call — %1</source>
        <translation>আজান — %1</translation>
    </message>
    <message>
        <source>%1 in %2 %3 — %4</source>
        <translation>%1 %L2 %3 পরে — %4</translation>
    </message>
    <message>
        <source>minute</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>মিনিট</translation>
    </message>
</context>
<context>
    <name>PrayerStore</name>
    <message>
        <source>There is no prayer named &quot;%1&quot;. Choose one of %2.</source>
        <translation>&quot;%1&quot; নামে কোনো নামাজ নেই। %2-এর একটি বাছুন।</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
</context>
<context>
    <name>ReminderDialogForm</name>
    <message>
        <source>Dialog</source>
        <translation>রিমাইন্ডার</translation>
    </message>
    <message>
        <source>Scheduled at</source>
        <translation>নির্ধারিত সময়</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>বার্তা</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>শিরোনাম</translation>
    </message>
    <message>
        <source>Remind againg after </source>
        <translation>আবার মনে করাবে </translation>
    </message>
    <message>
        <source>Remind again after, Minutes</source>
        <translation>আবার মনে করাবে, কত মিনিট পরে</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>মিনিট</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;No Reminder</source>
        <translation>আর নয়(&amp;N)</translation>
    </message>
    <message>
        <source>Displayed</source>
        <translation>দেখানো হয়েছে</translation>
    </message>
    <message>
        <source>Elapsed</source>
        <translation>পেরিয়েছে</translation>
    </message>
</context>
<context>
    <name>RingingNotice</name>
    <message>
        <source>Stop</source>
        <translation>থামান</translation>
    </message>
</context>
<context>
    <name>ScheduledWork</name>
    <message>
        <source>The event reminders could not be read</source>
        <translation>ইভেন্টের রিমাইন্ডার পড়া গেল না</translation>
    </message>
    <message>
        <source>
The clock tries again in a few seconds.</source>
        <translation>
ঘড়িটি কয়েক সেকেন্ড পরে আবার চেষ্টা করবে।</translation>
    </message>
    <message>
        <source>The machine was not stopped</source>
        <translation>যন্ত্র বন্ধ হয়নি</translation>
    </message>
    <message>
        <source>Missed while the computer slept</source>
        <translation>কম্পিউটার ঘুমিয়ে থাকার সময় বাদ পড়েছে</translation>
    </message>
    <message>
        <source>Missed while the clock was stopped</source>
        <translation>ঘড়ি বন্ধ থাকার সময় বাদ পড়েছে</translation>
    </message>
</context>
<context>
    <name>ShutdownWarning</name>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Postpone %1 min</source>
        <translation>%L1 মিনিট পিছিয়ে দিন</translation>
    </message>
</context>
<context>
    <name>SleepChoice</name>
    <message>
        <source>power off</source>
        <translation>বিদ্যুৎসহ বন্ধ হবে</translation>
    </message>
    <message>
        <source>suspend</source>
        <translation>স্থগিত হবে</translation>
    </message>
    <message>
        <source>halt</source>
        <translation>থেমে যাবে</translation>
    </message>
    <message>
        <source>The wait [%1] is not a number of minutes
Type 1 to 1440 minutes, or leave the field empty to stop at the time shown</source>
        <translation>[%1] মিনিটের কোনো সংখ্যা নয়
১ থেকে ১৪৪০ মিনিট লিখুন, অথবা দেখানো সময়ে বন্ধ করতে ঘরটি খালি রাখুন</translation>
    </message>
    <message>
        <source>Shuts down, power off</source>
        <translation>বন্ধ হয়, বিদ্যুৎও বন্ধ</translation>
    </message>
    <message>
        <source>Suspends the machine</source>
        <translation>যন্ত্র স্থগিত হয়</translation>
    </message>
    <message>
        <source>Halts: power stays on</source>
        <translation>থামে: বিদ্যুৎ চালু থাকে</translation>
    </message>
    <message>
        <source>The machine will %1 in %2 s</source>
        <translation>%L2 সেকেন্ড পরে যন্ত্র %1</translation>
    </message>
    <message>
        <source>The sleep timer asks to %1 at %2.</source>
        <translation>স্লিপ টাইমারের অনুরোধে %2-এ যন্ত্র %1।</translation>
    </message>
    <message>
        <source> A halt leaves the power on.</source>
        <translation> থামালে বিদ্যুৎ চালু থাকে।</translation>
    </message>
    <message>
        <source>Shutdown &amp; Poweroff :: %1</source>
        <translation>বন্ধ ও বিদ্যুৎ বন্ধ :: %1</translation>
    </message>
    <message>
        <source>Suspend :: %1</source>
        <translation>স্থগিত :: %1</translation>
    </message>
    <message>
        <source>Shutdown only :: %1</source>
        <translation>শুধু বন্ধ :: %1</translation>
    </message>
</context>
<context>
    <name>SleepTimer</name>
    <message>
        <source>Set &amp;Shutdown Time</source>
        <translation>বন্ধের সময় ঠিক করুন(&amp;S)</translation>
    </message>
    <message>
        <source>Show &amp;Shutdown Time</source>
        <translation>বন্ধের সময় দেখুন(&amp;S)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%L1 মিনিট</translation>
    </message>
    <message>
        <source>in … min</source>
        <translation>… মিনিট পরে</translation>
    </message>
    <message>
        <source>Sleep timer — %1</source>
        <translation>স্লিপ টাইমার — %1</translation>
    </message>
</context>
<context>
    <name>TimeOfDay</name>
    <message>
        <source>PM</source>
        <translation>অপরাহ্ণ</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>পূর্বাহ্ণ</translation>
    </message>
    <message>
        <source>Time format [%1] may not be correct
Or you might have entered wrong time values
Format should be HH:MM or HH:MM [AM or PM]</source>
        <translation>সময়ের ধরন [%1] হয়তো ঠিক নয়
অথবা সময়ের মান ভুল লেখা হয়েছে
ধরন হবে HH:MM বা HH:MM [AM বা PM]</translation>
    </message>
</context>
<context>
    <name>TimingsCalendar</name>
    <message>
        <source>The period ends before it begins. Choose a last day after the first.</source>
        <translation>সময়কাল শুরুর আগেই শেষ হচ্ছে। প্রথম দিনের পরের একটি শেষ দিন বাছুন।</translation>
    </message>
    <message>
        <source>Choose a period of at most a year: the clock keeps one row of times per day of the year.</source>
        <translation>বড়জোর এক বছরের সময়কাল বাছুন: ঘড়িটি বছরের প্রতিটি দিনের জন্য এক সারি সময় রাখে।</translation>
    </message>
    <message>
        <source>No prayer times are stored for that period. Compute them with &quot;Timings by City info&quot; first.</source>
        <translation>ওই সময়কালের কোনো নামাজের সময় রাখা নেই। আগে &quot;শহরের তথ্য থেকে সময়&quot; দিয়ে হিসাব করে নিন।</translation>
    </message>
    <message>
        <source>%1 prayer times exported to %2</source>
        <translation>%L1টি নামাজের সময় %2-এ রপ্তানি হয়েছে</translation>
    </message>
</context>
<context>
    <name>TimingsExportDialog</name>
    <message>
        <source>Export Timings</source>
        <translation>সময়সূচি রপ্তানি</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)|*.ics|All Files (*.*)|*.*||</source>
        <translation>ক্যালেন্ডার ফাইল (*.ics)|*.ics|সব ফাইল (*.*)|*.*||</translation>
    </message>
</context>
<context>
    <name>TimingsExportDialogForm</name>
    <message>
        <source>Export Timings</source>
        <translation>সময়সূচি রপ্তানি</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>থেকে:(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>পর্যন্ত:(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>রপ্তানি(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ করুন(&amp;C)</translation>
    </message>
</context>
<context>
    <name>VoiceRecorder</name>
    <message>
        <source>Saving</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Browsing </source>
        <translation>খোঁজা হচ্ছে </translation>
    </message>
    <message>
        <source>Open for Playing</source>
        <translation>বাজানোর জন্য খোলা</translation>
    </message>
    <message>
        <source>Content is of </source>
        <translation>দৈর্ঘ্য </translation>
    </message>
    <message>
        <source>Playing </source>
        <translation>বাজানো </translation>
    </message>
    <message>
        <source>Now at </source>
        <translation>এখন </translation>
    </message>
</context>
<context>
    <name>VoiceTables</name>
    <message>
        <source>Bangla</source>
        <translation>বাংলা</translation>
    </message>
    <message>
        <source>English</source>
        <translation>ইংরেজি</translation>
    </message>
</context>
<context>
    <name>YearSummary</name>
    <message>
        <source>the middle of the night</source>
        <translation>রাতের মাঝামাঝি</translation>
    </message>
    <message>
        <source>a seventh of the night</source>
        <translation>রাতের সাত ভাগের এক ভাগ</translation>
    </message>
    <message>
        <source>the twilight angle&apos;s share of the night</source>
        <translation>গোধূলির কোণ অনুযায়ী রাতের অংশ</translation>
    </message>
    <message>
        <source>%1 days (%2) take Fajr or Isha from %3, since the Sun does not go deep enough or the twilight outlasts that share</source>
        <translation>%L1 দিনে (%2) ফজর বা এশা %3 থেকে নেওয়া হয়েছে, কারণ সূর্য যথেষ্ট নিচে নামে না বা গোধূলি সেই অংশের চেয়ে বেশি থাকে</translation>
    </message>
    <message>
        <source>%1 days (%2) have a time moved by a minute or more to stay after the one before it, before the next Fajr, or off midnight</source>
        <translation>%L1 দিনে (%2) কোনো সময় এক মিনিট বা তার বেশি সরানো হয়েছে, যাতে তা আগেরটির পরে, পরের ফজরের আগে, বা মধ্যরাত থেকে আলাদা থাকে</translation>
    </message>
    <message>
        <source>%1 days (%2) have no sunrise or sunset and take the times of the nearest day that has them</source>
        <translation>%L1 দিনে (%2) সূর্যোদয় বা সূর্যাস্ত নেই, তাই সবচেয়ে কাছের যে দিনে আছে তার সময় নেওয়া হয়েছে</translation>
    </message>
</context>
</TS>
