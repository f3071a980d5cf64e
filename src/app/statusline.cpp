#include "app/statusline.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPaintEvent>

namespace {

// Glyphs may reach a little beyond their advance.
constexpr int kOverhang = 2;

bool isPlainAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

} // namespace

StatusLine::StatusLine(QWidget *parent)
    : QWidget(parent)
{
    // Painted on its own background, it repaints alone, not what lies beneath.
    setAutoFillBackground(true);
}

void StatusLine::setText(const QString &text)
{
    if (text == m_text)
        return;
    int same = 0;
    while (same < m_text.size() && same < text.size() && m_text[same] == text[same])
        ++same;
    int sameEnd = 0;
    while (sameEnd < m_text.size() - same && sameEnd < text.size() - same
           && m_text[m_text.size() - 1 - sameEnd] == text[text.size() - 1 - sameEnd])
        ++sameEnd;
    const bool wasPlaced = m_placed;
    const qreal leftBefore = centredLeft();
    const qreal widthBefore = m_width;
    m_text = text;
    setAccessibleName(text);
    m_placed = placeGlyphs();
    const qreal left = centredLeft();
    if (wasPlaced && m_placed && left == leftBefore) {
        // At the same width the unchanged end stays where it was; otherwise it moved.
        const qreal from = left + edge(same);
        const qreal to = left + (m_width == widthBefore ? edge(text.size() - sameEnd) : qMax(widthBefore, m_width));
        update(QRectF(from, 0, to - from, height())
                   .toAlignedRect()
                   .adjusted(-kOverhang, 0, kOverhang, 0));
    } else {
        update();
    }
}

// Characters the cache cannot place alone (outside ASCII, or missing from the
// font) leave the text to Qt's own layout.
bool StatusLine::placeGlyphs()
{
    m_glyphs.clear();
    m_starts.clear();
    m_width = 0;
    if (!isPlainAscii(m_text)) {
        m_width = QFontMetricsF(font()).horizontalAdvance(m_text);
        return false;
    }
    if (!m_rawFont.isValid())
        m_rawFont = QRawFont::fromFont(font());
    for (QChar c : m_text) {
        auto cached = m_glyphCache.constFind(c.unicode());
        if (cached == m_glyphCache.cend()) {
            const QList<quint32> index = m_rawFont.glyphIndexesForString(QString(c));
            if (index.size() != 1 || index.first() == 0) {
                m_width = QFontMetricsF(font()).horizontalAdvance(m_text);
                return false;
            }
            cached = m_glyphCache.insert(c.unicode(), {index.first(), m_rawFont.advancesForGlyphIndexes(index).first().x()});
        }
        m_glyphs << cached->index;
        m_starts << m_width;
        m_width += cached->advance;
    }
    return true;
}

qreal StatusLine::centredLeft() const
{
    return qRound((width() - m_width) / 2);
}

// Where the character at index begins, or the line ends.
qreal StatusLine::edge(int index) const
{
    return index < m_starts.size() ? m_starts[index] : m_width;
}

void StatusLine::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    if (m_placed)
        paintGlyphs(painter, event->rect());
    else
        painter.drawText(rect(), Qt::AlignCenter, m_text);
}

// Only the glyphs that reach into the area are drawn.
void StatusLine::paintGlyphs(QPainter &painter, const QRect &area) const
{
    const QFontMetrics metrics(font());
    const qreal left = centredLeft();
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (int i = 0; i < m_glyphs.size(); ++i) {
        const qreal x = left + m_starts[i];
        if (left + edge(i + 1) + kOverhang < area.left() || x - kOverhang > area.right())
            continue;
        glyphs << m_glyphs[i];
        positions << QPointF(x, 0);
    }
    QGlyphRun run;
    run.setRawFont(m_rawFont);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(QPointF(0, (height() - metrics.height()) / 2 + metrics.ascent()), run);
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void StatusLine::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_rawFont = QRawFont();
        m_glyphCache.clear();
        m_placed = placeGlyphs();
        update();
    }
}
