#include "support/scriptedprompts.h"

#include <QTest>

namespace {

QString Describe(const ScriptedPrompts::Shown &prompt)
{
    return QString("%1 \"%2\" captioned \"%3\"").arg(prompt.kind, prompt.text, prompt.caption);
}

} // namespace

ScriptedPrompts::Expected ScriptedPrompts::take(const Shown &shown)
{
    m_shown << shown;
    if (m_script.isEmpty()) {
        QTest::qFail(qPrintable("unexpected prompt: " + Describe(shown)), __FILE__, __LINE__);
        return {};
    }
    const Expected expected = m_script.takeFirst();
    const Shown &wanted = expected.prompt;
    if (wanted.kind != shown.kind
        || (wanted.kind == "message" && (wanted.text != shown.text || wanted.caption != shown.caption))) {
        QTest::qFail(qPrintable("expected " + Describe(wanted) + ", got " + Describe(shown)), __FILE__, __LINE__);
    }
    return expected;
}
