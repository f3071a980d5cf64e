#pragma once

#include <QProxyStyle>

// The desktop's style, with group boxes drawn as the clock's dialog
// templates show them: an etched frame whose title sits in its top line,
// rather than above the frame.
class ClockStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl part, const QWidget *widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                            QPainter *painter, const QWidget *widget) const override;
};
