#pragma once

#include <QString>

class PromptService;
class QLineEdit;
class QWidget;

// Takes numbers from dialog fields the way the clock's dialogs always have:
// a value outside its range is refused with a message naming the range, and
// the field gets the focus so it can be corrected at once.
class FieldInput
{
public:
    explicit FieldInput(PromptService &prompts) : m_prompts(prompts) {}

    bool takeInteger(QLineEdit *edit, int min, int max, int &member);
    // Infinite bounds ask for any number.
    bool takeDouble(QLineEdit *edit, double min, double max, double &member);

    // A warning with OK, then the focus to the field.
    void refuse(QWidget *field, const QString &text, const QString &caption = "Chimewise");

private:
    PromptService &m_prompts;
};

// One OK warning; the dialogs' own messages come with their own captions.
void warn(PromptService &prompts, const QString &text, const QString &caption);
