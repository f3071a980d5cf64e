#pragma once

#include <QWidget>

// The main dialog's own surface: carries the controls of the form, paints
// the footer line and reports right clicks that no control took. Controls
// it cuts off (the clock-face extension's while the face is hidden) take no
// keyboard focus.
class ClockSurface : public QWidget
{
    Q_OBJECT

public:
    explicit ClockSurface(QWidget *parent = nullptr);

    // The footer is drawn centred in area (in surface coordinates).
    void setFooter(const QString &text, const QRect &area);
    // Bounding box of the footer text as last painted.
    QRect footerBounds() const { return m_footerBounds; }

signals:
    void rightClicked(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void keepCutOffControlsOutOfReach();

    QString m_footerText;
    QRect m_footerArea;
    QRect m_footerBounds;
};
