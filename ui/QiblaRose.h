#pragma once

#include <QWidget>

// A compass rose drawn in place of a picture: the ring with its sixteen
// marks, the four quarters' letters (V, L, J, P) and a needle from the
// centre towards the Qibla, the Kaaba a small square at its tip. North is up.
class QiblaRose : public QWidget
{
public:
    explicit QiblaRose(double bearing, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {200, 200}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_bearing; // degrees from true north through east
};
