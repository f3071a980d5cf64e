#pragma once

#include <QWidget>

#include <functional>

// The footer line is the e-mail link. The surface paints its text; this
// control over it takes the keyboard (Tab, then Enter or Space) and is
// announced as a link, and a left click anywhere in the footer's band of
// rows, beside the text too, opens it.
class FooterLink : public QWidget
{
    Q_OBJECT

public:
    // area: the footer's band, in the surface's coordinates.
    FooterLink(const QString &text, const QRect &area, QWidget *surface, std::function<void()> open);

    // What a click on the footer does.
    void press();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<void()> m_open;
};
