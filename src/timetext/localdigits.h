#pragma once

#include <QString>

// Digits as the interface language writes them: "09:30" stays in English,
// reads "০৯:৩০" in Bangla (the digits of QLocale's default locale).
QString localDigits(QString text);

// Any decimal digit, Bangla's among them, as its ASCII digit: what a parser
// reads, so typed and shown texts in either language parse alike.
QString asciiDigits(QString text);
