#include "app/clockmenus.h"
#include "app/everywindow.h"
#include "core/interfacetranslation.h"
#include "core/interfacelanguage.h"
#include "core/timesource.h"
#include "timetext/clocktext.h"
#include "timetext/timeofday.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

// What a caption shows: its mnemonic's letter unmarked ("ঘড়ি(C)", "Set"), no shortcut ("\tCtrl+A").
QString shownText(QString text)
{
    static const QRegularExpression mark("&(?=[^&])");
    return text.section(u'\t', 0, 0).remove(mark);
}

// Latin words a Bangla caption still carries: names and formats, and each
// language named in its own words.
QString leftoverEnglish(const QString &caption)
{
    static const QRegularExpression names(
        "Chimewise|eSpeak NG|HH:MM|am/pm|AM|PM|WAVE?|HTML|ISNA|Dhaka|London|English|Norvik|[EWNS]\\b");
    static const QRegularExpression addresses("\\S+@\\S+|\\w+://\\S+");
    static const QRegularExpression words("[A-Za-z]{2,}");
    static const QRegularExpression mnemonicHint("\\(&\\w\\)");
    QString rest = caption;
    rest = shownText(rest.remove(mnemonicHint));
    rest.remove(addresses).remove(names);
    return words.match(rest).captured();
}

QString describe(const QWidget *widget, const QString &text)
{
    return QString("%1 \"%2\"").arg(widget->objectName(), text);
}

// Captions left in English, and captions wider than their control.
QStringList captionFaults(QWidget *window)
{
    QStringList faults;
    if (const QString word = leftoverEnglish(window->windowTitle()); !word.isEmpty())
        faults << "title: " + window->windowTitle();
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window))
            continue;
        QString text;
        int needed = 0;
        int room = widget->width();
        if (auto *box = qobject_cast<QCheckBox *>(widget); box || qobject_cast<QRadioButton *>(widget)) {
            text = static_cast<QAbstractButton *>(widget)->text();
            needed = widget->sizeHint().width();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text();
            needed = button->fontMetrics().horizontalAdvance(shownText(text));
            room -= 4; // the button's frame
        } else if (auto *label = qobject_cast<QLabel *>(widget); label && label->pixmap().isNull()) {
            text = label->text();
            if (label->wordWrap()) {
                needed = label->heightForWidth(label->width());
                room = label->height();
            } else {
                needed = label->sizeHint().width();
            }
        } else if (auto *field = qobject_cast<QLineEdit *>(widget); field && field->isReadOnly()) {
            text = field->text();
            needed = field->fontMetrics().horizontalAdvance(text);
            room -= 8; // the frame and the text margins
        } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
            text = spin->prefix() + spin->locale().toString(spin->maximum()) + spin->suffix();
            needed = spin->fontMetrics().horizontalAdvance(text);
            room = spin->findChild<QLineEdit *>()->width() - 4; // the text margins
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            text = group->title();
            needed = group->fontMetrics().horizontalAdvance(shownText(text));
            room -= 8; // the frame's corners on both sides of the title
        }
        if (text.isEmpty())
            continue;
        if (const QString word = leftoverEnglish(text); !word.isEmpty())
            faults << "English: " + describe(widget, text);
        if (needed > room)
            faults << QString("clipped by %1 px: ").arg(needed - room) + describe(widget, text);
    }
    return faults;
}

QStringList menuFaults(const QMenu *menu)
{
    QStringList faults;
    for (const QAction *action : menu->actions()) {
        if (!leftoverEnglish(action->text()).isEmpty())
            faults << "English: menu item \"" + action->text() + '"';
        if (action->menu())
            faults << menuFaults(action->menu());
    }
    return faults;
}

LocalTime localTime(int year, int month, int day, int weekday, int hour, int minute, int second)
{
    LocalTime local;
    local.year = year;
    local.month = month;
    local.day = day;
    local.weekday = weekday;
    local.hour = hour;
    local.minute = minute;
    local.second = second;
    return local;
}

} // namespace

// The windows in Bangla, offscreen, after an English start: an English start
// leaves every text as it is written; a Bangla one leaves no English caption
// and no caption wider than its control, and writes dates and times with
// Bangla names and digits.
class TestBanglaInterface : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsDesktop_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("language");
        QTest::newRow("Bangla desktop") << "System" << QStringList{"bn-BD", "en-US"} << "bn";
        QTest::newRow("LANGUAGE lists Bangla after a language the clock lacks")
            << "System" << QStringList{"fr-FR", "bn-IN", "en"} << "bn";
        QTest::newRow("English desktop") << "System" << QStringList{"en-GB"} << "en";
        QTest::newRow("no language the clock has") << "System" << QStringList{"de-DE", "C"} << "en";
        QTest::newRow("mangled setting follows the desktop") << "Bangla" << QStringList{"bn_BD.UTF-8"} << "bn";
        QTest::newRow("Bangla chosen on an English desktop") << "bn" << QStringList{"en-US"} << "bn";
        QTest::newRow("English chosen on a Bangla desktop") << "en" << QStringList{"bn-BD"} << "en";
    }

    void languageFollowsDesktop()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        QCOMPARE(InterfaceLanguage::resolve(InterfaceLanguage::choiceFromStored(stored), desktop), language);
    }

    void choiceIsStoredInTheProfile()
    {
        ProfileSettings settings(*m_windows.clock.profile);
        QCOMPARE(settings.readInterfaceChoice(), InterfaceChoice::System);
        settings.setInterfaceChoice(InterfaceChoice::Bangla);
        QCOMPARE(m_windows.clock.profile->readText("Interface", "Language", {}), "bn");
        QCOMPARE(settings.readInterfaceChoice(), InterfaceChoice::Bangla);
        settings.setInterfaceChoice(InterfaceChoice::System);
        QCOMPARE(m_windows.clock.profile->readText("Interface", "Language", {}), "System");
    }

    // Runs before Bangla is installed: the process's translators stay for the tests after it.
    void englishStartIsUnchanged()
    {
        const QLocale before;
        installInterfaceLanguage(*qApp, InterfaceLanguage::English);
        QCOMPARE(QLocale().name(), before.language() == QLocale::English || before.language() == QLocale::C
                                       ? before.name() : QString("en_US"));
        QCOMPARE(QCoreApplication::translate("ClockMenus", "&Clock"), "&Clock");
        QCOMPARE(formatDateTimeLine(localTime(2026, 12, 5, 6, 21, 7, 16)), "Sat Dec 05 21:07:16 2026");
        QCOMPARE(showTimeOfDay12(21 * 60 + 7), "09:07 PM");
        QCOMPARE(formatTitleText("Chimewise", 7, 5, 9), "Chimewise 07:05:09");
        QVERIFY(m_windows.prepare());
        QWidget *form = m_windows.open("main window");
        QCOMPARE(form->findChild<QAbstractButton *>("languageButton")->text(), "Announce in Bangla");
        QCOMPARE(form->findChild<QGroupBox *>("alarmSettingsGroup")->title(), "Alarm Settings");
        QCOMPARE(m_windows.open("add event")->windowTitle(), "Add a new event");
    }

    void banglaStart()
    {
        installInterfaceLanguage(*qApp, InterfaceLanguage::Bangla);
        QCOMPARE(QLocale().language(), QLocale::Bengali);
        QCOMPARE(QCoreApplication::translate("ClockMenus", "&Clock"), "ঘড়ি(&C)");
        // A font that draws Bengali, so that no text shows as empty boxes.
        bool bengaliFont = false;
        for (const char *family : kBengaliFamilies)
            bengaliFont = bengaliFont || QFontDatabase::writingSystems(family).contains(QFontDatabase::Bengali);
        QVERIFY2(bengaliFont, "install fonts-lohit-beng-bengali (tools/install-deps)");
        // Windows made from now on are in Bangla.
        m_windows.clock.start();
        m_windows.form = m_windows.clock.dialog->findChild<ClockSurface *>();
    }

    void windowsInBangla_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : EveryWindow::names())
            QTest::newRow(qPrintable(window)) << window;
    }

    void windowsInBangla()
    {
        QFETCH(QString, window);
        QWidget *root = m_windows.open(window, "দাঁতের ডাক্তার");
        root->show();
        QVERIFY(QTest::qWaitForWindowExposed(root->window()));
        const QStringList faults = captionFaults(root->window());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void menusInBangla()
    {
        auto *menus = m_windows.clock.dialog->findChild<ClockMenus *>();
        QStringList faults = menuFaults(menus->trayPopup());
        QMenuBar *bar = menus->menuBar();
        for (QAction *action : bar->actions()) {
            if (action->menu())
                faults << menuFaults(action->menu());
            else if (!leftoverEnglish(action->text()).isEmpty())
                faults << "English: menu bar item \"" + action->text() + '"';
            // Every item fits on the bar, none behind its extension arrow.
            if (bar->actionGeometry(action).right() >= bar->width())
                faults << "off the menu bar: " + action->text();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void dateLineInBangla_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<QString>("line");
        QTest::newRow("winter evening") << 2026 << 12 << 5 << 6 << "শনি ডিসেম্বর ০৫ ২১:০৭:১৬ ২০২৬";
        QTest::newRow("Pohela Boishakh") << 2027 << 4 << 14 << 3 << "বুধ এপ্রিল ১৪ ২১:০৭:১৬ ২০২৭";
        QTest::newRow("leap day") << 2028 << 2 << 29 << 2 << "মঙ্গল ফেব ২৯ ২১:০৭:১৬ ২০২৮";
    }

    void dateLineInBangla()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, weekday);
        QFETCH(QString, line);
        QCOMPARE(formatDateTimeLine(localTime(year, month, day, weekday, 21, 7, 16)), line);
    }

    void twelveHourTimeInBangla_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("midnight") << 0 << "১২:০০ পূর্বাহ্ণ" << "12:00 AM";
        QTest::newRow("noon") << 12 * 60 << "১২:০০ অপরাহ্ণ" << "12:00 PM";
        QTest::newRow("evening") << 21 * 60 + 7 << "০৯:০৭ অপরাহ্ণ" << "09:07 PM";
    }

    // Shown in Bangla, stored in ASCII; either reads back as the same minute.
    void twelveHourTimeInBangla()
    {
        QFETCH(int, minutes);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        QCOMPARE(showTimeOfDay12(minutes), shown);
        QCOMPARE(formatTimeOfDay12(minutes), stored);
        QCOMPARE(parseTimeOfDay(shown), minutes);
        QCOMPARE(parseTimeOfDay(stored), minutes);
    }

    void titleInBanglaDigits()
    {
        QCOMPARE(formatTitleText("Chimewise", 7, 5, 9), "Chimewise ০৭:০৫:০৯");
    }

private:
    EveryWindow m_windows;
};

QTEST_MAIN(TestBanglaInterface)
#include "tst_banglainterface.moc"
