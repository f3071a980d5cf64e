#include "support/scriptedprompts.h"

#include <QTest>

namespace {

QString describe(const ScriptedPrompts::Shown &prompt)
{
    return QString("%1 \"%2\" captioned \"%3\"").arg(prompt.kind, prompt.text, prompt.caption);
}

} // namespace

ScriptedPrompts::Expected ScriptedPrompts::take(const Shown &shown)
{
    m_shown << shown;
    if (m_script.isEmpty()) {
        QTest::qFail(qPrintable("unexpected prompt: " + describe(shown)), __FILE__, __LINE__);
        return {};
    }
    const Expected expected = m_script.takeFirst();
    const Shown &wanted = expected.prompt;
    const bool textMatches = expected.textStart ? shown.text.startsWith(wanted.text) : wanted.text == shown.text;
    if (wanted.kind != shown.kind || (wanted.kind == "message" && (!textMatches || wanted.caption != shown.caption))) {
        QTest::qFail(qPrintable("expected " + describe(wanted) + ", got " + describe(shown)), __FILE__, __LINE__);
    }
    return expected;
}
