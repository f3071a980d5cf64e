#include "app/clockstyle.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace {

// How far a title stands in from the frame's left end, and the gap it cuts
// into the line on either side (pixels).
constexpr int kTitleIndent = 6;
constexpr int kTitleGap = 2;

bool hasTitle(const QStyleOptionGroupBox &box)
{
    return !box.text.isEmpty() && (box.subControls & QStyle::SC_GroupBoxLabel);
}

} // namespace

QRect ClockStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                 SubControl part, const QWidget *widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    if (control == CC_GroupBox && part == SC_GroupBoxLabel)
        rect.translate(kTitleIndent, 0);
    return rect;
}

// The frame first, its top line half a line of text down (through the
// middle of the title, whose place is cut out of it), then the title and
// any check box by the style.
void ClockStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                    QPainter *painter, const QWidget *widget) const
{
    const auto *groupBox = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !groupBox || !(groupBox->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionGroupBox box = *groupBox;
    QRect frame = box.rect.adjusted(0, box.fontMetrics.height() / 2, 0, 0);
    painter->save();
    if (hasTitle(box)) {
        const QRect label = subControlRect(control, &box, SC_GroupBoxLabel, widget);
        frame.setTop(label.center().y());
        painter->setClipRegion(QRegion(box.rect) - label.adjusted(-kTitleGap, 0, kTitleGap, 0));
    }
    qDrawShadeRect(painter, frame, box.palette, true, 1);
    painter->restore();

    box.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &box, painter, widget);
}
