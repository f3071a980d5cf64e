#pragma once

#include <QObject>
#include <QRect>

#include <functional>

class ClockSurface;

// The footer line of the main dialog is the e-mail link: the pointing hand
// over its text, and a left click anywhere in its band of rows opens it.
class FooterLink : public QObject
{
public:
    // area: where the footer is drawn, in surface coordinates.
    FooterLink(ClockSurface *surface, const QRect &area, std::function<void()> open);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pointAt(const QPoint &position);

    ClockSurface *m_surface;
    QRect m_area;
    std::function<void()> m_open;
    bool m_overLink = false;
};
