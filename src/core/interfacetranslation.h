#pragma once

#include <QString>

class QCoreApplication;

// Puts the windows into `language` ("bn" or "en") before the first window
// is made: the clock's own translation, Qt's where Debian ships it, the
// locale that dates, times and digits follow, and a font for Bengali.
// English is the source language: it installs nothing, and keeps the
// desktop's locale unless that speaks another language.
void installInterfaceLanguage(QCoreApplication &app, const QString &language);

// The language installInterfaceLanguage put the windows in: "bn" or "en".
QString installedInterfaceLanguage();

// The families tried for Bengali text, best first.
inline constexpr const char *kBengaliFamilies[] = {"Lohit Bengali", "Noto Sans Bengali", "Noto Serif Bengali"};
