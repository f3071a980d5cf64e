#pragma once

#include <QStringView>

// The standard decimal conversion the stored texts were written for:
// leading white space skipped, an optional sign, digits up to the first
// non-digit; no digits give 0. Values beyond 32 bits are clamped.
int leadingDecimal(QStringView text);

// True when the text, after its leading white space, starts with a sign.
bool startsWithSign(QStringView text);
