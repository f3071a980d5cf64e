#include "alarms/alarmlistdialog.h"
#include "app/clocksurface.h"
#include "app/runningclock.h"
#include "browser/aboutdialog.h"
#include "browser/browserlauncher.h"
#include "browser/linkopener.h"
#include "core/profilesettings.h"
#include "db/databasesetup.h"
#include "events/eventadddialog.h"
#include "events/eventstore.h"
#include "events/eventviewdialog.h"
#include "events/eventrow.h"
#include "events/reminderdialog.h"
#include "prayer/cityinfodialog.h"
#include "prayer/prayeralertdialog.h"
#include "prayer/prayerbatchdialog.h"
#include "prayer/timingsexportdialog.h"
#include "prayer/prayereditdialog.h"
#include "prayer/prayerstore.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QTest>

// A walk over the main window and every dialog: each control (whatever takes the keyboard) has a
// name that assistive technology reads out (its own, its label's or a button's caption), and every
// window uses the main form's font. A dialog added later is one more row.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(createDatabase(m_clock.data).ok());
        DbSession session = m_prayers.openSession();
        QVERIFY(m_prayers.insertEmptyDay(session, 1).ok()); // the edit dialog opens on 1 January
        m_clock.time.set(VirtualTimeSource::fromLocal(2026, 12, 6, 9, 15, 30));
        m_form = m_clock.start().findChild<ClockSurface *>();
    }

    void walk_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main window", "city information", "view and edit timings", "batch update",
                                   "prayer alerts", "add event", "view events", "reminder", "alarm list", "about",
                                   "export timings"})
            QTest::newRow(window) << QString(window);
    }

    void walk()
    {
        QFETCH(QString, window);
        ProfileSettings settings(*m_clock.profile);
        std::unique_ptr<QWidget> dialog;
        QPointer<ReminderDialog> reminder;
        if (window == "city information")
            dialog = std::make_unique<CityInfoDialog>(m_prayers, m_clock.prompts, m_clock.time);
        else if (window == "view and edit timings")
            dialog = std::make_unique<PrayerEditDialog>(m_prayers, m_clock.prompts, m_clock.time);
        else if (window == "batch update")
            dialog = std::make_unique<PrayerBatchDialog>(m_prayers, m_clock.prompts, m_clock.time);
        else if (window == "prayer alerts")
            dialog = std::make_unique<PrayerAlertDialog>(m_settings);
        else if (window == "add event")
            dialog = std::make_unique<EventAddDialog>(m_events, m_clock.prompts, m_clock.time, m_clock.sound);
        else if (window == "view events")
            dialog = std::make_unique<EventViewDialog>(m_events, m_clock.prompts, m_clock.time);
        else if (window == "reminder")
            reminder = ReminderDialog::open(EventRow{QDate(2026, 12, 6), 600, "Dentist", "Call first", " ", {}},
                                            m_clock.time, m_clock.prompts, [](auto, int) { return true; });
        else if (window == "alarm list")
            dialog = std::make_unique<AlarmListDialog>(settings);
        else if (window == "about")
            dialog = std::make_unique<AboutDialog>(m_links);
        else if (window == "export timings")
            dialog = std::make_unique<TimingsExportDialog>(m_prayers, m_clock.prompts, m_clock.time);
        QWidget *root = reminder ? reminder.data() : dialog ? dialog.get() : m_form;
        QList<QWidget *> labelled;
        for (const QLabel *label : root->findChildren<QLabel *>())
            labelled << label->buddy();
        const QFontInfo font(m_form->font());
        QStringList unnamed, otherFont;
        const QList<QWidget *> widgets = root->findChildren<QWidget *>() << root;
        for (QWidget *widget : widgets) {
            const auto *button = qobject_cast<QAbstractButton *>(widget);
            // The parts of a control (a combo box's field and list) are read out as the control.
            bool part = false;
            for (QWidget *up = widget->parentWidget(); up && up != root; up = up->parentWidget())
                part = part || (up->focusPolicy() & Qt::TabFocus);
            if ((widget->focusPolicy() & Qt::TabFocus) && !part && widget->accessibleName().isEmpty()
                && !labelled.contains(widget) && !(button && !button->text().isEmpty()))
                unnamed << widget->objectName();
            const QFontInfo used(widget->font());
            if (used.family() != font.family() || used.pointSizeF() != font.pointSizeF())
                otherFont << widget->objectName();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable("unnamed: " + unnamed.join(", ")));
        QVERIFY2(otherFont.isEmpty(), qPrintable("in another font: " + otherFont.join(", ")));
        delete reminder;
    }

    // Tab from the first focus, the checked interval, round the whole window: the footer is reached
    // and announced as a link, the picked-time field below the hidden face is not.
    void keyboardRound()
    {
        ClockDialog &main = *m_clock.dialog;
        main.restoreAndRaise();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(main.focusWidget()->objectName(), "interval15Radio");
        QStringList reached;
        do {
            reached << main.focusWidget()->objectName();
            QTest::keyClick(main.focusWidget(), Qt::Key_Tab);
        } while (main.focusWidget()->objectName() != reached.first() && reached.size() < 50);
        QVERIFY(reached.contains("creditIdeaEdit") && reached.contains("footerLink"));
        QVERIFY(!reached.contains("pickedTimeEdit"));
        QWidget *footer = m_form->findChild<QWidget *>("footerLink");
        QCOMPARE(QAccessible::queryAccessibleInterface(footer)->role(), QAccessible::Link);
        QCOMPARE(footer->accessibleName(), "Developed by the Chimewise team");
    }

private:
    RunningClock m_clock;
    const PrayerStore m_prayers{m_clock.data};
    ProfileSettings m_settings{*m_clock.profile};
    ClockSurface *m_form = nullptr;
    EventStore m_events{m_clock.data};
    BrowserLauncher m_browser;
    LinkOpener m_links{m_clock.shell, m_clock.prompts, m_browser, nullptr};
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
