#include "app/qtpromptservice.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestQtPromptService : public QObject
{
    Q_OBJECT

private slots:
    void nameFilters_data();
    void nameFilters();
    void messageBoxAnswers_data();
    void messageBoxAnswers();
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
    QCOMPARE(QtPromptService::NameFilters(classic), filters);
}

void TestQtPromptService::messageBoxAnswers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");

    using P = PromptService;
    QTest::newRow("OK") << int(P::Buttons::Ok) << int(QMessageBox::Ok) << int(P::Answer::Ok);
    QTest::newRow("Cancel") << int(P::Buttons::OkCancel) << int(QMessageBox::Cancel) << int(P::Answer::Cancel);
    QTest::newRow("Yes") << int(P::Buttons::YesNo) << int(QMessageBox::Yes) << int(P::Answer::Yes);
    QTest::newRow("No") << int(P::Buttons::YesNoCancel) << int(QMessageBox::No) << int(P::Answer::No);
}

void TestQtPromptService::messageBoxAnswers()
{
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);

    QString shownText;
    QString shownCaption;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        shownText = box->text();
        shownCaption = box->windowTitle();
        box->button(QMessageBox::StandardButton(pressed))->click();
    });
    QtPromptService prompts;
    const auto given = prompts.messageBox("File [x] does not exists", "Chimewise",
                                          PromptService::Buttons(buttons), PromptService::Icon::Warning);
    QCOMPARE(int(given), answer);
    QCOMPARE(shownText, QString("File [x] does not exists"));
    QCOMPARE(shownCaption, QString("Chimewise"));
}

QTEST_MAIN(TestQtPromptService)
#include "tst_qtpromptservice.moc"
