#pragma once

#include <QGraphicsItem>

#include "dialfacecache.h"

// The round cross-hair dial behind the course window's aircraft and arrow.
class CrossBackgroundGrItem : public QGraphicsItem
{
public:
    CrossBackgroundGrItem();

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The face is drawn once and reused while it looks the same (on by default); off,
    // every paint draws it anew.
    void setFaceCached(bool cached);

protected:
    // Resizes the dial from the view and draws it; returns false, drawing nothing,
    // when there is nothing to paint on. circle receives the dial's square.
    bool paintDial(QPainter *painter, const QWidget *widget, QRectF *circle);

private:
    double s;
    DialFaceCache face;
};
