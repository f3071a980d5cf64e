#include "app/runningclock.h"
#include "core/clockschedule.h"
#include "db/databasesetup.h"
#include "events/eventreminders.h"
#include "events/eventrules.h"
#include "events/reminderdialog.h"
#include "prayer/prayeryearwriter.h"
#include "prayer/timesarguments.h"
#include "support/scopedtimezone.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <random>

namespace {

// What sounded or popped up, and for which second.
struct Firing
{
    QString what;
    qint64 second = 0;
    bool operator<(const Firing &o) const { return std::tie(second, what) < std::tie(o.second, o.what); }
    bool operator==(const Firing &o) const = default;
};

// Sunday 2026-12-06 00:00:05 in Dhaka; the clock is set back one hour on Wednesday at 16:20:03,
// over Asr, an alarm, two reminders and four spoken times.
const qint64 kStart = 1796493605;
const qint64 kWeek = 7 * 86400;
const qint64 kSetBackAt = kStart + 3 * 86400 + (16 * 60 + 20) * 60 - 2;

qint64 localMoment(const QDate &date, int minutes)
{
    return VirtualTimeSource::fromLocal(date.year(), date.month(), date.day(), 0, minutes, 0);
}


// Closes every reminder pop-up with Escape as it opens, noting its title. The timers of the
// schedule and the pop-ups tick on the real clock: their events are dropped, the test ticks.
class PopupCloser : public QObject
{
public:
    QStringList titles;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && qobject_cast<QTimer *>(watched))
            return true;
        auto *popup = qobject_cast<ReminderDialog *>(watched);
        if (popup && event->type() == QEvent::Show) {
            titles << popup->windowTitle();
            QTimer::singleShot(0, popup, [popup] { QTest::keyClick(popup, Qt::Key_Escape); });
        }
        return false;
    }
};

} // namespace

// A week of the real clock on the virtual clock: the tick is driven with stalls of 1-10 s, and
// every alarm, prayer call, reminder and spoken time is compared with when it was due.
class TestSimulatedWeek : public QObject
{
    Q_OBJECT

private slots:
    void everythingComesOnceAndInTime()
    {
        QVERIFY(QDir::setCurrent(m_clock.dir.path()));
        QVERIFY(createDatabase(m_clock.data).ok());
        qApp->installEventFilter(&m_popups);
        QList<Firing> expected = storeAlarms() + storePrayerYear() + storeEvents();
        m_clock.time.set(kStart);
        ClockDialog &dialog = m_clock.start();
        QList<Firing> fired;
        QList<qint64> spoken;
        qsizetype seen = 0, popupsSeen = 0;
        // What was sent and shown since the last tick came due in the seconds the tick checked.
        const auto record = [&](qint64 after, qint64 until) {
            const auto dueIn = [&](const QString &what) {
                for (const Firing &due : expected) {
                    if (due.what == what && due.second > after && due.second <= until)
                        return due.second;
                }
                return until;
            };
            for (; seen < m_clock.sound.sent.size(); ++seen) {
                const QString &command = m_clock.sound.sent[seen];
                if (!command.startsWith("open"))
                    continue;
                if (command.contains("alias mysound")) {
                    const qint64 quarter = until - until % 900;
                    spoken << quarter;
                    checkSpokenTime(dialog.voice().current(), TimeSource::toLocal(quarter),
                                    m_clock.sound.sent.mid(seen + 1, 6));
                } else {
                    fired << Firing{fileName(command), dueIn(fileName(command))};
                }
            }
            for (; popupsSeen < m_popups.titles.size(); ++popupsSeen)
                fired << Firing{m_popups.titles[popupsSeen], dueIn(m_popups.titles[popupsSeen])};
        };

        std::mt19937 random(20261206);
        std::uniform_int_distribution<int> stall(1, 10);
        bool setBack = false;
        qint64 newest = m_clock.time.now() - 1;
        while (m_clock.time.now() < kStart + kWeek) {
            m_clock.time.advance(stall(random));
            if (!setBack && m_clock.time.now() >= kSetBackAt) {
                m_clock.time.advance(-3600);
                setBack = true;
            }
            dialog.schedule().tick();
            // Sounds that end from the event loop hold the rest of their second until then.
            for (int i = 0; i < 3; ++i)
                QCoreApplication::processEvents();
            record(newest, qMax(newest, m_clock.time.now()));
            newest = qMax(newest, m_clock.time.now());
        }

        const auto outsideTheWeek = [](const Firing &f) { return f.second < kStart || f.second > kStart + kWeek; };
        expected.removeIf(outsideTheWeek);
        fired.removeIf(outsideTheWeek);
        std::sort(expected.begin(), expected.end());
        QCOMPARE(tookTurns(fired, expected), expected);
        QList<qint64> quarters;
        for (qint64 s = kStart - 5 + 900; s <= kStart + kWeek; s += 900)
            quarters << s;
        QCOMPARE(spoken, quarters);
        QVERIFY(m_clock.prompts.allShown());
    }

private:
    // The firings as due: a sound that found the channel busy counts for its due second when it
    // started within ten seconds of it, right after a sound that started since then.
    static QList<Firing> tookTurns(QList<Firing> fired, const QList<Firing> &expected)
    {
        const auto isSound = [](const Firing &f) { return f.what.contains('.'); };
        for (const Firing &due : expected) {
            if (!isSound(due) || fired.contains(due))
                continue;
            for (Firing &late : fired) {
                const bool waited = std::any_of(fired.cbegin(), fired.cend(), [&](const Firing &before) {
                    return isSound(before) && before.second >= due.second && before.second < late.second;
                });
                if (late.what == due.what && late.second > due.second && late.second <= due.second + 10 && waited) {
                    late.second = due.second;
                    break;
                }
            }
        }
        std::sort(fired.begin(), fired.end());
        return fired;
    }

    static QString fileName(const QString &openCommand)
    {
        return QRegularExpression("([^/\"]+)\" type").match(openCommand).captured(1);
    }

    // The hour and the quarter spoken are those of the boundary.
    static void checkSpokenTime(const VoiceTable &voice, const LocalTime &boundary, const QStringList &sent)
    {
        const auto play = [](const VoiceSegment &v) {
            return QString("play mysound from %1 to %2 wait").arg(v.from).arg(v.to);
        };
        const QStringList plays = sent.filter("play mysound");
        QCOMPARE(plays.value(2), play(voice.hour[boundary.hour % 12]));
        QCOMPARE(plays.value(3), play(voice.min[boundary.minute / 15]));
    }

    // Sixteen alarms from 00:00 on, 97 minutes apart.
    QList<Firing> storeAlarms()
    {
        ProfileStore &profile = *m_clock.profile;
        QList<Firing> due;
        for (int slot = 1; slot <= 16; ++slot) {
            const int minutes = (slot - 1) * 97 % 1440;
            profile.writeInt("Alarms", QString("Alarm%1").arg(slot), minutes);
            profile.writeText("Alarms", QString("Alarm%1_file").arg(slot), QString("/alarms/alarm%1.wav").arg(slot));
            for (int day = 0; day <= 7; ++day)
                due << Firing{QString("alarm%1.wav").arg(slot), localMoment(QDate(2026, 12, 6 + day), minutes)};
        }
        return due;
    }

    // The year computed for Dhaka; Jumma is left empty, so Friday calls at the noon time.
    QList<Firing> storePrayerYear()
    {
        const auto dhaka = parseTimesArguments({"--lat", "23:43N", "--lon", "90:25E", "--tz", "6"}, 2026);
        const StoredYear year = computeStoredYear(dhaka.request->plan);
        const PrayerStore store(m_clock.data);
        DbSession session = store.openSession();
        const auto written = writePrayerYear(store, session, year, {});
        if (!written.ok())
            qFatal("%s", qPrintable(written.errorText()));
        QList<Firing> due;
        for (int day = 0; day < 7; ++day) {
            const QDate date(2026, 12, 6 + day);
            for (int prayer = 0; prayer < 5; ++prayer) {
                const int minutes = year.days[date.dayOfYear() - 1][prayer];
                due << Firing{prayer == 0 ? "FAazan.WAV" : "Aazan.WAV", localMoment(date, minutes)};
            }
        }
        return due;
    }

    // Twenty events through the week: leads of 0-90 minutes, intervals of 1-25, one first
    // reminded on the evening before, two due in the same minute, some without a sound.
    QList<Firing> storeEvents()
    {
        const EventStore store(m_clock.data);
        DbSession session = store.openSession();
        QList<Firing> due;
        for (int n = 1; n <= 20; ++n) {
            const QDate date(2026, 12, 6 + n % 7);
            const int k = n == 14 ? 7 : n; // 14 comes with 7
            const int time = n == 20 ? 10 : (k * 211 + 300) % 1440; // 20: 00:10
            const int lead = n == 20 ? 15 : k * 13 % 91, interval = n == 20 ? 5 : 1 + k * 7 % 25;
            const QString sound = n % 3 ? QString("/events/event%1.wav").arg(n) : " ";
            const QString title = QString("Event %1").arg(n);
            const EventRow row{date, time, title, "", sound, firstReminder(date, time, lead), interval, 0};
            if (!store.insert(session, row).ok())
                qFatal("could not store %s", qPrintable(title));
            for (int minutes = time - lead; minutes <= time; minutes += interval) {
                due << Firing{title, localMoment(date, minutes)};
                if (row.hasSound())
                    due << Firing{QString("event%1.wav").arg(n), localMoment(date, minutes)};
            }
        }
        return due;
    }

    const ScopedTimeZone m_zone{"Asia/Dhaka"};
    RunningClock m_clock;
    PopupCloser m_popups;
};

QTEST_MAIN(TestSimulatedWeek)
#include "tst_simulatedweek.moc"
