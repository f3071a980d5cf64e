#include "core/profilesettings.h"
#include "core/profilestore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestProfileSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstStartGivesDefaultsAndWritesInterval();
    void storedInterval_data();
    void storedInterval();
    void alarmsAndFlagsAreRead();
    void textValuesRoundTrip_data();
    void textValuesRoundTrip();

private:
    QString iniPath() const { return m_dir->filePath("Chimewise.conf"); }
    // What another program (or the next start) would find in the file.
    QVariant onDisk(const QString &key) const { return QSettings(iniPath(), QSettings::IniFormat).value(key); }
    void writeOnDisk(const QString &key, const QVariant &value)
    {
        QSettings(iniPath(), QSettings::IniFormat).setValue(key, value);
    }
    ProfileSettings &load()
    {
        m_store = ProfileStore::openIniFile(iniPath());
        m_settings = std::make_unique<ProfileSettings>(*m_store);
        m_settings->load();
        return *m_settings;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProfileStore> m_store;
    std::unique_ptr<ProfileSettings> m_settings;
};

void TestProfileSettings::init()
{
    m_settings.reset();
    m_store.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestProfileSettings::firstStartGivesDefaultsAndWritesInterval()
{
    const ProfileSettings &settings = load();
    QCOMPARE(settings.interval(), 0);
    QCOMPARE(settings.isEnglish(), 0);
    QCOMPARE(settings.prayerCallOn(), 1);
    QCOMPARE(settings.readClockFaceShown(), 0);
    for (int slot = 0; slot < kAlarmSlots; ++slot) {
        QCOMPARE(settings.alarms()[slot].keyName, QString("Alarm%1").arg(slot + 1));
        QCOMPARE(settings.alarms()[slot].time, -1);
        QCOMPARE(settings.alarms()[slot].file, QString());
    }
    // Nothing but the interval is written by loading.
    QCOMPARE(onDisk("AnnounceInterval/Interval"), QVariant("0"));
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).allKeys(), QStringList{"AnnounceInterval/Interval"});
}

void TestProfileSettings::storedInterval_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("loaded");
    QTest::newRow("15 min") << 0 << 0;
    QTest::newRow("no announcement") << 3 << 3;
    QTest::newRow("unset marker is rewritten") << 64 << 0;
    QTest::newRow("unknown value is kept") << 7 << 7;
    QTest::newRow("negative value is kept") << -1 << -1;
}

void TestProfileSettings::storedInterval()
{
    QFETCH(int, stored);
    QFETCH(int, loaded);
    writeOnDisk("AnnounceInterval/Interval", stored);
    QCOMPARE(load().interval(), loaded);
    QCOMPARE(onDisk("AnnounceInterval/Interval").toInt(), loaded);
}

void TestProfileSettings::alarmsAndFlagsAreRead()
{
    writeOnDisk("Alarms/Alarm1", 0);
    writeOnDisk("Alarms/Alarm1_file", "/home/user/Music/wake up.wav");
    writeOnDisk("Alarms/Alarm2", "half past nine"); // not a number: reads as unset
    writeOnDisk("Alarms/Alarm16", 1439);
    writeOnDisk("Alarms/Alarm16_file", "C:\\Sounds\\chime.WAV");
    writeOnDisk("AnnounceInterval/IsEnglish", 1);
    writeOnDisk("AnnounceInterval/Aazan_Announce", 0);

    const ProfileSettings &settings = load();
    QCOMPARE(settings.alarms()[0].time, 0);
    QCOMPARE(settings.alarms()[0].file, QString("/home/user/Music/wake up.wav"));
    QCOMPARE(settings.alarms()[1].time, -1);
    QCOMPARE(settings.alarms()[15].time, 1439);
    QCOMPARE(settings.alarms()[15].file, QString("C:\\Sounds\\chime.WAV"));
    QCOMPARE(settings.alarms()[7].time, -1);
    QCOMPARE(settings.isEnglish(), 1);
    QCOMPARE(settings.prayerCallOn(), 0);
}

void TestProfileSettings::textValuesRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("blanks") << "/home/user/My Sounds/alarm clock.wav";
    QTest::newRow("backslashes") << "C:\\Program Files\\Chimewise\\Aazan.WAV";
    QTest::newRow("comma and semicolon") << "/tmp/a,b;c#d.wav";
    QTest::newRow("quotes") << "/tmp/\"it's\".wav";
    QTest::newRow("Bangla") << "/home/user/সুর/আজান.wav";
}

void TestProfileSettings::textValuesRoundTrip()
{
    QFETCH(QString, text);
    ProfileStore::openIniFile(iniPath())->writeText("Alarms", "Alarm3_file", text);
    QCOMPARE(ProfileStore::openIniFile(iniPath())->readText("Alarms", "Alarm3_file", QString()), text);
}

QTEST_GUILESS_MAIN(TestProfileSettings)
#include "tst_profilesettings.moc"
