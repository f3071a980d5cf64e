#include "app/qtpromptservice.h"

#include <QTest>

class TestQtPromptService : public QObject
{
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
};

void TestQtPromptService::nameFilters_data()
{
    QTest::addColumn<QString>("classic");
    QTest::addColumn<QStringList>("filters");

    QTest::newRow("alarm sound choice")
        << "WAVE Audio Files (*.WAV)|*.WAV| All Files(*.*)|*.*|"
        << QStringList{"WAVE Audio Files (*.WAV)", "All Files(*.*)"};
    QTest::newRow("name without patterns")
        << "Sounds|*.wav;*.mp3|" << QStringList{"Sounds (*.wav *.mp3)"};
    QTest::newRow("no closing bar") << "Text (*.txt)|*.txt" << QStringList{"Text (*.txt)"};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestQtPromptService::nameFilters()
{
    QFETCH(QString, classic);
    QFETCH(QStringList, filters);
    QCOMPARE(QtPromptService::nameFilters(classic), filters);
}

QTEST_MAIN(TestQtPromptService)
#include "tst_qtpromptservice.moc"
