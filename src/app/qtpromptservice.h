#pragma once

#include "core/promptservice.h"

#include <QStringList>

class QWidget;

// The prompts as Qt dialogs, over the window the user is at (the main window
// when none is active). Each blocks that window alone: a reminder's pop-up
// that opens meanwhile can still be answered.
class QtPromptService final : public PromptService
{
public:
    explicit QtPromptService(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    Answer messageBox(const QString &text, const QString &caption, Buttons buttons,
                      Icon icon) override;
    QString openFile(const FileChoice &choice) override;
    QString saveFile(const FileChoice &choice) override;

    // "Name (*.A)|*.A|Other|*.*|" → {"Name (*.A)", "Other (*.*)"}: Qt shows the
    // patterns from the name's parentheses, so a name without them gets them added.
    static QStringList nameFilters(const QString &classicFilter);

private:
    QString chooseFile(const FileChoice &choice, bool forSaving);
    QWidget *parentWindow() const;

    QWidget *m_owner;
};
