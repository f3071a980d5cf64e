#include "app/dbusmenuexporter.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class DBusMenuExporterTest : public QObject
{
    Q_OBJECT

private slots:
    void hostCaption_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("mnemonic") << "&Minimize" << "_Minimize";
        QTest::newRow("inner mnemonic") << "E&xit" << "E_xit";
        QTest::newRow("doubled ampersand") << "Alarms && Events" << "Alarms & Events";
        QTest::newRow("underscore") << "snooze_5" << "snooze__5";
        QTest::newRow("shortcut caption") << "&Add Event\tCtrl+A" << "_Add Event";
        QTest::newRow("trailing ampersand") << "Stop&" << "Stop&";
    }

    void hostCaption()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QCOMPARE(DBusMenuExporter::hostCaption(text), caption);
    }

    // The tree as the host reads it: captions, a separator, a check, greying and a submenu.
    void layout()
    {
        QMenu menu;
        menu.addAction("&Show Clock");
        menu.addSeparator();
        QAction *login = menu.addAction("Start at &login");
        login->setCheckable(true);
        login->setChecked(true);
        menu.addAction("Repair Databases")->setEnabled(false);
        menu.addMenu("&Tools")->addAction("&Web Browser");
        QObject host;
        auto *exporter = new DBusMenuExporter(&menu, &host);

        TrayMenuLayout layout;
        exporter->GetLayout(0, -1, {}, layout);

        QCOMPARE(layout.id, 0);
        QCOMPARE(layout.children.size(), 5);
        const auto property = [&](int child, const char *name) {
            return layout.children[child].properties.value(name);
        };
        QCOMPARE(property(0, "label").toString(), "_Show Clock");
        QCOMPARE(property(1, "type").toString(), "separator");
        QCOMPARE(property(2, "toggle-type").toString(), "checkmark");
        QCOMPARE(property(2, "toggle-state").toInt(), 1);
        QCOMPARE(property(3, "enabled").toBool(), false);
        QCOMPARE(property(4, "children-display").toString(), "submenu");
        QCOMPARE(layout.children[4].children.size(), 1);
        QCOMPARE(layout.children[4].children[0].properties.value("label").toString(), "_Web Browser");

        // One level only: the submenu's entries are left out.
        TrayMenuLayout top;
        exporter->GetLayout(0, 1, {}, top);
        QVERIFY(top.children[4].children.isEmpty());
        const TrayMenuItems group = exporter->GetGroupProperties({layout.children[2].id, 999}, {});
        QCOMPARE(group.size(), 1);
        QCOMPARE(group[0].properties.value("label").toString(), "Start at _login");
    }

    // A click reaches the entry's action once the call is answered; greyed entries stay still.
    void click_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("event");
        QTest::addColumn<int>("triggered");
        QTest::newRow("clicked") << true << "clicked" << 1;
        QTest::newRow("hovered") << true << "hovered" << 0;
        QTest::newRow("greyed") << false << "clicked" << 0;
    }

    void click()
    {
        QFETCH(bool, enabled);
        QFETCH(QString, event);
        QFETCH(int, triggered);
        QMenu menu;
        QAction *stop = menu.addAction("Stop sound");
        stop->setEnabled(enabled);
        QObject host;
        auto *exporter = new DBusMenuExporter(&menu, &host);
        TrayMenuLayout layout;
        exporter->GetLayout(0, -1, {}, layout);
        QSignalSpy spy(stop, &QAction::triggered);

        exporter->Event(layout.children[0].id, event, QDBusVariant(0), 0);
        QCOMPARE(spy.size(), 0);
        QTest::qWait(0);
        QCoreApplication::processEvents();
        QCOMPARE(spy.size(), triggered);
    }

    // Entries added together (as when a sound starts ringing) are told of once, with a new revision.
    void changesAreTold()
    {
        QMenu menu;
        menu.addAction("&About");
        QObject host;
        auto *exporter = new DBusMenuExporter(&menu, &host);
        TrayMenuLayout layout;
        const uint before = exporter->GetLayout(0, -1, {}, layout);
        QSignalSpy updated(exporter, &DBusMenuExporter::LayoutUpdated);

        QAction *first = menu.actions().value(0);
        menu.insertActions(first, {new QAction("Stop sound", &menu), new QAction("Snooze 5 min", &menu)});
        QTRY_COMPARE(updated.size(), 1);
        QCOMPARE(updated[0][0].toUInt(), before + 1);
        QCOMPARE(exporter->GetLayout(0, -1, {}, layout), before + 1);
        QCOMPARE(layout.children.size(), 3);
        QCOMPARE(layout.children[0].properties.value("label").toString(), "Stop sound");

        menu.actions().value(1)->setVisible(false);
        QTRY_COMPARE(updated.size(), 2);
        exporter->GetLayout(0, -1, {}, layout);
        QCOMPARE(layout.children[1].properties.value("visible").toBool(), false);
    }
};

QTEST_MAIN(DBusMenuExporterTest)
#include "tst_dbusmenuexporter.moc"
