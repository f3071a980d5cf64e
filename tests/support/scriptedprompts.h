#pragma once

#include "core/promptservice.h"

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

    void expectMessage(const QString &text, const QString &caption, Answer answer = Answer::Ok)
    {
        m_script << Expected{{"message", text, caption}, answer, {}};
    }
    // A message whose text begins so, for texts the test cannot know whole.
    void expectMessageStartingWith(const QString &start, const QString &caption)
    {
        m_script << Expected{{"message", start, caption}, Answer::Ok, {}, true};
    }
    void expectOpenFile(const QString &chosenPath) { m_script << Expected{{"open", {}, {}}, Answer::Ok, chosenPath}; }
    void expectSaveFile(const QString &chosenPath) { m_script << Expected{{"save", {}, {}}, Answer::Ok, chosenPath}; }

    Answer messageBox(const QString &text, const QString &caption, Buttons, Icon) override
    {
        return take({"message", text, caption}).answer;
    }
    QString openFile(const FileChoice &choice) override { return take({"open", choice.filter, {}}).path; }
    QString saveFile(const FileChoice &choice) override { return take({"save", choice.filter, {}}).path; }

    // True when every expected prompt was shown.
    bool allShown() const { return m_script.isEmpty(); }
    const QList<Shown> &shown() const { return m_shown; }

private:
    struct Expected
    {
        Shown prompt; // the text and caption are only compared for messages
        Answer answer = Answer::Ok;
        QString path;
        bool textStart = false; // the text need only begin as expected
    };

    Expected take(const Shown &shown);

    QList<Expected> m_script;
    QList<Shown> m_shown;
};
