#include "core/interfacelanguage.h"

namespace InterfaceLanguage {

InterfaceChoice choiceFromStored(const QString &stored)
{
    if (stored == QLatin1String(Bangla))
        return InterfaceChoice::Bangla;
    if (stored == QLatin1String(English))
        return InterfaceChoice::English;
    return InterfaceChoice::System;
}

QString storedText(InterfaceChoice choice)
{
    switch (choice) {
    case InterfaceChoice::Bangla: return Bangla;
    case InterfaceChoice::English: return English;
    case InterfaceChoice::System: break;
    }
    return QStringLiteral("System");
}

QString resolve(InterfaceChoice choice, const QStringList &uiLanguages)
{
    if (choice == InterfaceChoice::Bangla)
        return Bangla;
    if (choice == InterfaceChoice::English)
        return English;
    for (const QString &language : uiLanguages) {
        // "bn", "bn-BD", "bn_IN.UTF-8": the part before the region decides.
        const QString code = language.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (code == QLatin1String(Bangla) || code == QLatin1String(English))
            return code;
    }
    return English;
}

} // namespace InterfaceLanguage
