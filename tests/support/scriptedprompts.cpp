#include "support/scriptedprompts.h"

#include <QTest>

void ScriptedPrompts::expectMessage(const QString &text, const QString &caption, Answer answer)
{
    m_script << Expected{"message", text, caption, answer, {}};
}

void ScriptedPrompts::expectOpenFile(const QString &chosenPath)
{
    m_script << Expected{"open", {}, {}, Answer::Ok, chosenPath};
}

void ScriptedPrompts::expectSaveFile(const QString &chosenPath)
{
    m_script << Expected{"save", {}, {}, Answer::Ok, chosenPath};
}

ScriptedPrompts::Expected ScriptedPrompts::take(const Shown &shown)
{
    m_shown << shown;
    const QString seen = QString("%1 \"%2\" captioned \"%3\"").arg(shown.kind, shown.text, shown.caption);
    if (m_script.isEmpty()) {
        QTest::qFail(qPrintable("unexpected prompt: " + seen), __FILE__, __LINE__);
        return {};
    }
    const Expected expected = m_script.takeFirst();
    const bool matches = expected.kind == shown.kind
        && (expected.kind != "message"
            || (expected.text == shown.text && expected.caption == shown.caption));
    if (!matches) {
        QTest::qFail(qPrintable(QString("expected %1 \"%2\" captioned \"%3\", got %4")
                                    .arg(expected.kind, expected.text, expected.caption, seen)),
                     __FILE__, __LINE__);
    }
    return expected;
}

PromptService::Answer ScriptedPrompts::messageBox(const QString &text, const QString &caption,
                                                  Buttons, Icon)
{
    return take({"message", text, caption}).answer;
}

QString ScriptedPrompts::openFile(const FileChoice &choice)
{
    return take({"open", choice.filter, {}}).path;
}

QString ScriptedPrompts::saveFile(const FileChoice &choice)
{
    return take({"save", choice.filter, {}}).path;
}
