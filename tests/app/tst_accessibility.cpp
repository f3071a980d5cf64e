#include "app/everywindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>

// A walk over the main window and every dialog: each control (whatever takes the keyboard) has a
// name that assistive technology reads out (its own, its label's or a button's caption), and every
// window uses the main form's font. A dialog added later is one more row.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_windows.prepare());
        m_form = m_windows.form;
    }

    void walk_data()
    {
        QTest::addColumn<QString>("window");
        for (const QString &window : EveryWindow::names())
            QTest::newRow(qPrintable(window)) << window;
    }

    void walk()
    {
        QFETCH(QString, window);
        QWidget *root = m_windows.open(window);
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
    }

    // Tab from the first focus, the checked interval, round the whole window: the footer is reached
    // and announced as a link, the picked-time field below the hidden face is not.
    void keyboardRound()
    {
        ClockDialog &main = *m_windows.clock.dialog;
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
    EveryWindow m_windows;
    ClockSurface *m_form = nullptr;
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
