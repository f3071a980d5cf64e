#include "app/profilesettings.h"
#include "app/profilestore.h"

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
    void alarmsAreReadPerSlot();
    void writesReachTheFileAtOnce();
    void textValuesRoundTrip_data();
    void textValuesRoundTrip();
    void numberThatIsNotANumberReadsAsDefault();

private:
    QString iniPath() const { return m_dir->filePath("Chimewise.conf"); }
    // What another program (or the next start) would find in the file.
    QVariant onDisk(const QString &key) const { return QSettings(iniPath(), QSettings::IniFormat).value(key); }
    void writeOnDisk(const QString &key, const QVariant &value)
    {
        QSettings(iniPath(), QSettings::IniFormat).setValue(key, value);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestProfileSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestProfileSettings::firstStartGivesDefaultsAndWritesInterval()
{
    const auto store = ProfileStore::openIniFile(iniPath());
    ProfileSettings settings(*store);
    settings.load();

    QCOMPARE(settings.interval(), 0);
    QCOMPARE(onDisk("AnnounceInterval/Interval"), QVariant("0"));
    QCOMPARE(settings.isEnglish(), 0);
    QCOMPARE(settings.prayerCallOn(), 1);
    QCOMPARE(settings.readClockFaceShown(), 0);
    for (int slot = 0; slot < kAlarmSlots; ++slot) {
        QCOMPARE(settings.alarms()[slot].keyName, QString("Alarm%1").arg(slot + 1));
        QCOMPARE(settings.alarms()[slot].time, -1);
        QCOMPARE(settings.alarms()[slot].file, QString());
    }
    // Nothing but the interval is written by loading.
    QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).allKeys(), QStringList{"AnnounceInterval/Interval"});
}

void TestProfileSettings::storedInterval_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("onDiskAfter");

    QTest::newRow("15 min") << 0 << 0 << 0;
    QTest::newRow("no announcement") << 3 << 3 << 3;
    QTest::newRow("unset marker is rewritten") << 64 << 0 << 0;
    QTest::newRow("unknown value is kept") << 7 << 7 << 7;
    QTest::newRow("negative value is kept") << -1 << -1 << -1;
}

void TestProfileSettings::storedInterval()
{
    QFETCH(int, stored);
    QFETCH(int, loaded);
    QFETCH(int, onDiskAfter);
    writeOnDisk("AnnounceInterval/Interval", stored);

    const auto store = ProfileStore::openIniFile(iniPath());
    ProfileSettings settings(*store);
    settings.load();
    QCOMPARE(settings.interval(), loaded);
    QCOMPARE(onDisk("AnnounceInterval/Interval").toInt(), onDiskAfter);
}

void TestProfileSettings::alarmsAreReadPerSlot()
{
    writeOnDisk("Alarms/Alarm1", 0);
    writeOnDisk("Alarms/Alarm1_file", "/home/user/Music/wake up.wav");
    writeOnDisk("Alarms/Alarm16", 1439);
    writeOnDisk("Alarms/Alarm16_file", "C:\\Sounds\\chime.WAV");
    writeOnDisk("AnnounceInterval/IsEnglish", 1);
    writeOnDisk("AnnounceInterval/Aazan_Announce", 0);

    const auto store = ProfileStore::openIniFile(iniPath());
    ProfileSettings settings(*store);
    settings.load();
    QCOMPARE(settings.alarms()[0].time, 0);
    QCOMPARE(settings.alarms()[0].file, QString("/home/user/Music/wake up.wav"));
    QCOMPARE(settings.alarms()[15].time, 1439);
    QCOMPARE(settings.alarms()[15].file, QString("C:\\Sounds\\chime.WAV"));
    QCOMPARE(settings.alarms()[7].time, -1);
    QCOMPARE(settings.isEnglish(), 1);
    QCOMPARE(settings.prayerCallOn(), 0);
}

void TestProfileSettings::writesReachTheFileAtOnce()
{
    const auto store = ProfileStore::openIniFile(iniPath());
    ProfileSettings settings(*store);
    settings.load();

    settings.setInterval(2);
    QCOMPARE(onDisk("AnnounceInterval/Interval").toInt(), 2);
    settings.setEnglish(1);
    QCOMPARE(onDisk("AnnounceInterval/IsEnglish").toInt(), 1);
    QCOMPARE(settings.interval(), 2);
    QCOMPARE(settings.isEnglish(), 1);
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
    {
        const auto store = ProfileStore::openIniFile(iniPath());
        store->writeText("Alarms", "Alarm3_file", text);
    }
    const auto store = ProfileStore::openIniFile(iniPath());
    QCOMPARE(store->readText("Alarms", "Alarm3_file", QString()), text);
}

void TestProfileSettings::numberThatIsNotANumberReadsAsDefault()
{
    writeOnDisk("Alarms/Alarm2", "half past nine");
    const auto store = ProfileStore::openIniFile(iniPath());
    QCOMPARE(store->readInt("Alarms", "Alarm2", -1), -1);
}

QTEST_GUILESS_MAIN(TestProfileSettings)
#include "tst_profilesettings.moc"
