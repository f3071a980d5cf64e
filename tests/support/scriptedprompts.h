#pragma once

#include "app/promptservice.h"

#include <QList>
#include <QStringList>

// Answers prompts from a script, in order, and fails the running test on
// any prompt it was not told to expect. Every prompt shown is kept.
class ScriptedPrompts final : public PromptService
{
public:
    struct Shown
    {
        QString kind; // "message", "open" or "save"
        QString text; // the message, or the file filter
        QString caption;
    };

    void expectMessage(const QString &text, const QString &caption, Answer answer = Answer::Ok);
    void expectOpenFile(const QString &chosenPath);
    void expectSaveFile(const QString &chosenPath);

    Answer messageBox(const QString &text, const QString &caption, Buttons buttons,
                      Icon icon) override;
    QString openFile(const FileChoice &choice) override;
    QString saveFile(const FileChoice &choice) override;

    // True when every expected prompt was shown.
    bool allShown() const { return m_script.isEmpty(); }
    const QList<Shown> &shown() const { return m_shown; }

private:
    struct Expected
    {
        QString kind;
        QString text;
        QString caption;
        Answer answer = Answer::Ok;
        QString path;
    };

    Expected take(const Shown &shown);

    QList<Expected> m_script;
    QList<Shown> m_shown;
};
