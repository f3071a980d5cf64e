#include "core/profilesettings.h"
#include "core/profilestore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

// The clock dialog's tests read the defaults and the stored flags through its controls;
// these pin what the controls cannot show.
class TestProfileSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.emplace().isValid()); }

    void storedInterval_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("loaded");
        QTest::newRow("unset marker is rewritten as 15 min") << 64 << 0;
        QTest::newRow("negative value is kept") << -1 << -1;
    }

    void storedInterval()
    {
        QFETCH(int, stored);
        QFETCH(int, loaded);
        write("AnnounceInterval/Interval", stored);
        QCOMPARE(load().interval(), loaded);
        QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value("AnnounceInterval/Interval").toInt(), loaded);
    }

    void alarmTimesAreRead()
    {
        write("Alarms/Alarm1", 0);
        write("Alarms/Alarm2", "half past nine"); // not a number: reads as free
        write("Alarms/Alarm16", 1439);
        const ProfileSettings &settings = load();
        QCOMPARE(settings.alarms()[0].time, 0);
        QCOMPARE(settings.alarms()[1].time, -1);
        QCOMPARE(settings.alarms()[7].time, -1);
        QCOMPARE(settings.alarms()[15].time, 1439);
    }

    void alarmFilesRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("blanks") << "/home/user/My Sounds/alarm clock.wav";
        QTest::newRow("backslashes") << "C:\\Program Files\\Chimewise\\Aazan.WAV";
        QTest::newRow("comma and semicolon") << "/tmp/a,b;c#d.wav";
        QTest::newRow("quotes") << "/tmp/\"it's\".wav";
        QTest::newRow("Bangla") << "/home/user/সুর/আজান.wav";
    }

    // What one run stores, the next start reads back; the name takes the same texts.
    void alarmFilesRoundTrip()
    {
        QFETCH(QString, file);
        load().setAlarm(15, {"ignored", file, 1439, 0x41, true, file});
        const AlarmEntry &alarm = load().alarms()[15];
        QCOMPARE((QStringList{alarm.keyName, alarm.file, alarm.name}), (QStringList{"Alarm16", file, file}));
        QCOMPARE((std::tuple{alarm.time, alarm.days, alarm.once}), (std::tuple{1439, 0x41, true}));
        QCOMPARE(load().alarms()[0].file, QString());
    }

    void alarmDays_data()
    {
        QTest::addColumn<QVariant>("stored"); // invalid: no key
        QTest::addColumn<int>("days");
        QTest::newRow("missing: every day, as before") << QVariant() << kEveryDay;
        QTest::newRow("weekdays") << QVariant("1111100") << 0x1f;
        QTest::newRow("six digits") << QVariant("111110") << kEveryDay;
        QTest::newRow("a letter") << QVariant("11111x0") << kEveryDay;
    }

    // An old profile has none of the new keys: its alarms ring every day, again and again, unnamed.
    void alarmDays()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, days);
        write("Alarms/Alarm1", 420);
        write("Alarms/Alarm1_file", "/m/wake.wav");
        if (stored.isValid())
            write("Alarms/Alarm1_days", stored);
        const AlarmEntry &alarm = load().alarms()[0];
        QCOMPARE(alarm.days, days);
        QCOMPARE((std::tuple{alarm.time, alarm.file, alarm.once, alarm.name}),
                 (std::tuple{420, QString("/m/wake.wav"), false, QString()}));
    }

    // A snooze stored out of its range is taken at the nearest end.
    void snoozeMinutesInRange()
    {
        write("Alarms/SnoozeMinutes", 45);
        QCOMPARE(load().snoozeMinutes(), 30);
    }

private:
    QString iniPath() const { return m_dir->filePath("Chimewise.conf"); }
    void write(const QString &key, const QVariant &value)
    {
        QSettings(iniPath(), QSettings::IniFormat).setValue(key, value);
    }
    ProfileSettings &load()
    {
        m_settings.reset();
        m_store = ProfileStore::openIniFile(iniPath());
        m_settings = std::make_unique<ProfileSettings>(*m_store);
        m_settings->load();
        return *m_settings;
    }

    std::optional<QTemporaryDir> m_dir;
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<ProfileSettings> m_settings;
};

QTEST_GUILESS_MAIN(TestProfileSettings)
#include "tst_profilesettings.moc"
