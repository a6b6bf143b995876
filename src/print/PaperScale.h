#pragma once

#include <QPaintDevice>
#include <QPointF>
#include <QRectF>

namespace velm::print
{

// Turns points (1/72 inch) on the paper into the units of the device that shows it.
struct PaperScale {
    double x = 1;
    double y = 1;

    static PaperScale of(const QPaintDevice& device)
    {
        return {device.logicalDpiX() / 72.0, device.logicalDpiY() / 72.0};
    }

    QPointF at(double xPt, double yPt) const { return {xPt * x, yPt * y}; }
    QRectF rect(double leftPt, double topPt, double widthPt, double heightPt) const
    {
        return {leftPt * x, topPt * y, widthPt * x, heightPt * y};
    }
};

} // namespace velm::print
