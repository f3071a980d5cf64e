#include "timetext/localdigits.h"

#include <QLocale>

QString localDigits(QString text)
{
    const QString zero = QLocale().zeroDigit();
    if (zero.size() != 1 || zero == u"0")
        return text;
    for (QChar &c : text) {
        if (c >= u'0' && c <= u'9')
            c = QChar(zero[0].unicode() + (c.unicode() - u'0'));
    }
    return text;
}

QString asciiDigits(QString text)
{
    for (QChar &c : text) {
        if (c.unicode() > 0x7f && c.category() == QChar::Number_DecimalDigit)
            c = QChar(u'0' + c.digitValue());
    }
    return text;
}
