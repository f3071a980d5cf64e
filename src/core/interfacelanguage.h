#pragma once

#include <QString>
#include <QStringList>

// Which language the windows speak; the spoken time keeps its own setting.
enum class InterfaceChoice { System, Bangla, English };

namespace InterfaceLanguage {
inline constexpr char Bangla[] = "bn";
inline constexpr char English[] = "en";

// As stored in the profile: "System", "bn" or "en"; anything else is "System".
InterfaceChoice choiceFromStored(const QString &stored);
QString storedText(InterfaceChoice choice);

// "bn" or "en". System follows the first of the desktop's languages
// (LANGUAGE, then LANG, as QLocale::uiLanguages lists them) that the clock
// has; with none of them it is English, the language the texts are written in.
QString resolve(InterfaceChoice choice, const QStringList &uiLanguages);
} // namespace InterfaceLanguage
