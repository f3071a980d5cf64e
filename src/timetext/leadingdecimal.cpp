#include "timetext/leadingdecimal.h"

#include <limits>

namespace {

qsizetype skipSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

} // namespace

int leadingDecimal(QStringView text)
{
    qsizetype i = skipSpace(text);
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = qMin(limit, value * 10 + (text[i].unicode() - u'0'));
    if (negative)
        return int(-value);
    return int(qMin(value, limit - 1));
}

bool startsWithSign(QStringView text)
{
    const qsizetype i = skipSpace(text);
    return i < text.size() && (text[i] == u'-' || text[i] == u'+');
}
