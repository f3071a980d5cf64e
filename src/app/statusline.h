#pragma once

#include <QHash>
#include <QList>
#include <QRawFont>
#include <QWidget>

// The date and time line, centred. It changes every second, but only at its
// end: its characters are placed from a cache of glyphs, so a new second
// neither shapes the line again nor repaints more than the changed digits.
class StatusLine : public QWidget
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Glyph
    {
        quint32 index = 0;
        qreal advance = 0;
    };
    bool placeGlyphs();
    qreal centredLeft() const;
    qreal edge(int index) const;
    void paintGlyphs(QPainter &painter, const QRect &area) const;

    QString m_text;
    QRawFont m_rawFont;
    QHash<char16_t, Glyph> m_glyphCache;
    // For plain ASCII text: each character's glyph, and where it starts.
    QList<quint32> m_glyphs;
    QList<qreal> m_starts;
    qreal m_width = 0;
    bool m_placed = false; // otherwise the text is drawn whole, as any label would
};
