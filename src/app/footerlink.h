#pragma once

#include <QWidget>

// The footer line as the keyboard and assistive technology meet it: a
// control over the text the surface paints, reached with Tab, announced as
// a link, and pressed with Enter or Space as a click on the footer is.
class FooterLink : public QWidget
{
    Q_OBJECT

public:
    FooterLink(const QString &text, const QRect &area, QWidget *surface);

    // Gives the surface the click a mouse would.
    void press();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
