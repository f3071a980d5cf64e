#include "core/timesource.h"
#include "face/alarmtimepicker.h"
#include "face/facepainter.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace {

// The face below a 293 x 225 area: centre (233, 275), radius 50.
const FaceGeometry kFace = faceBelow(QSize(293, 225), 100);
const QPoint kCentre(233, 275);

} // namespace

class TestClockFace : public QObject
{
    Q_OBJECT

private slots:
    void handsAndName_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QPoint>("hour");
        QTest::addColumn<QPoint>("minute");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<int>("nameY"); // the maker's name keeps off the hour hand
        // Hands 25, 32 and 42 pixels long; straight up, right and left although π is cut short.
        QTest::newRow("12:00:00 all up") << QTime(12, 0) << QPoint(233, 250) << QPoint(233, 242)
                                         << QPoint(233, 232) << 295;
        QTest::newRow("3:00:00 hour right") << QTime(3, 0) << QPoint(258, 275) << QPoint(233, 242)
                                            << QPoint(233, 232) << 243;
        QTest::newRow("15:30:45 hour between 3 and 4")
            << QTime(15, 30, 45) << QPoint(257, 281) << QPoint(233, 307) << QPoint(190, 275) << 243;
        QTest::newRow("9:00:00 hour left") << QTime(9, 0) << QPoint(208, 275) << QPoint(233, 242)
                                           << QPoint(233, 232) << 295;
        QTest::newRow("8:59 still above") << QTime(8, 59) << QPoint(208, 275) << QPoint(229, 242)
                                          << QPoint(233, 232) << 243;
    }

    void handsAndName()
    {
        QFETCH(QTime, time);
        QFETCH(int, nameY);
        QCOMPARE(kFace.centre, kCentre);
        const HandEnds hands = handEnds(kFace, time.hour(), time.minute(), time.second());
        QTEST(hands.hour, "hour");
        QTEST(hands.minute, "minute");
        QTEST(hands.second, "second");
        QCOMPARE(makerNamePosition(kFace, time.hour()), QPoint(198, nameY));
    }

    void timeUnderPointer_data()
    {
        QTest::addColumn<QPointF>("offset"); // from the centre
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown"); // empty: nothing is picked
        QTest::newRow("above") << QPointF(0, -30) << "AM" << "12:00 AM";
        QTest::newRow("on the rim above") << QPointF(0, -50) << "AM" << "12:00 AM";
        QTest::newRow("right") << QPointF(30, 0) << "PM" << "03:00 PM";
        QTest::newRow("below") << QPointF(0, 30) << "PM" << "06:00 PM";
        QTest::newRow("left") << QPointF(-30, 0) << "AM" << "09:00 AM";
        QTest::newRow("just counter-clockwise of 3") << QPointF(49.9, -0.2) << "AM" << "02:59 AM";
        QTest::newRow("outside the radius") << QPointF(0, -50.5) << "AM" << "";
    }

    void timeUnderPointer()
    {
        QFETCH(QPointF, offset);
        QFETCH(QString, caption);
        QFETCH(QString, shown);
        QLineEdit field;
        QPushButton button(caption);
        AlarmTimePicker picker(&field, &button);
        QCOMPARE(picker.pointAt(kFace, kCentre + offset), !shown.isEmpty());
        QCOMPARE(field.text(), shown);
        // The button turns the half of the day of the time picked; before any, only its caption.
        button.click();
        QCOMPARE(button.text(), QString(caption == "AM" ? "PM" : "AM"));
        QCOMPARE(field.text(), shown.isEmpty() ? shown : shown.chopped(2) + button.text());
    }

    // At 03:00:00 the hour hand lies on the line right of the centre, the minute hand above it.
    void paintsTheHands()
    {
        QImage image(293, 335, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintClockFace(painter, kFace, LocalTime{.hour = 3}, "Chimewise");
        painter.end();
        for (int d = 10; d <= 24; ++d) {
            QCOMPARE(image.pixelColor(kCentre + QPoint(d, 0)), QColor(150, 150, 20));
            const QList<QColor> across{image.pixelColor(kCentre + QPoint(-1, -d)),
                                       image.pixelColor(kCentre + QPoint(1, -d))};
            QVERIFY2(across.contains(QColor(130, 20, 0)), qPrintable(QString::number(d)));
        }
    }
};

QTEST_MAIN(TestClockFace)
#include "tst_clockface.moc"
