#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMap>
#include <QSpinBox>
#include <QTest>

using Fields = QMap<QString, QString>; // objectName -> text typed or chosen; a button is checked

// The named child; fails the test when the dialog has none.
template <typename T>
T *find(const QWidget &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        QTest::qFail(qPrintable("no control " + name), __FILE__, __LINE__);
    return widget;
}

// Types into edits and spin boxes, picks list entries (or edits an editable list) and checks buttons.
inline void type(const QWidget &dialog, const Fields &fields)
{
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (auto *edit = dialog.findChild<QLineEdit *>(it.key()))
            edit->setText(it.value());
        else if (auto *list = dialog.findChild<QComboBox *>(it.key()))
            list->setCurrentText(it.value());
        else if (auto *spin = dialog.findChild<QSpinBox *>(it.key()))
            spin->setValue(it.value().toInt());
        else
            find<QAbstractButton>(dialog, it.key())->setChecked(true);
    }
}

inline void click(const QWidget &dialog, const QString &button)
{
    find<QAbstractButton>(dialog, button)->click();
}
