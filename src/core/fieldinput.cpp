#include "core/fieldinput.h"

#include "core/promptservice.h"

#include <QLineEdit>

#include <cmath>
#include <QCoreApplication>

namespace {

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

} // namespace

bool FieldInput::takeInteger(QLineEdit *edit, int min, int max, int &member)
{
    bool isNumber = false;
    const int value = edit->text().trimmed().toInt(&isNumber);
    if (!isNumber || value < min || value > max) {
        refuse(edit, QCoreApplication::translate("FieldInput", "Please enter an integer between %1 and %2.").arg(min).arg(max));
        return false;
    }
    member = value;
    return true;
}

bool FieldInput::takeDouble(QLineEdit *edit, double min, double max, double &member)
{
    bool isNumber = false;
    const double value = edit->text().trimmed().toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value) || value < min || value > max) {
        refuse(edit, std::isfinite(min)
                         ? QCoreApplication::translate("FieldInput", "Please enter a number between %1 and %2.").arg(number(min), number(max))
                         : QCoreApplication::translate("FieldInput", "Please enter a number."));
        return false;
    }
    member = value;
    return true;
}

void FieldInput::refuse(QWidget *field, const QString &text, const QString &caption)
{
    warn(m_prompts, text, caption);
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

void warn(PromptService &prompts, const QString &text, const QString &caption)
{
    prompts.messageBox(text, caption, PromptService::Buttons::Ok, PromptService::Icon::Warning);
}
