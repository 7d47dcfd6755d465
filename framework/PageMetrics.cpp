#include "framework/PageMetrics.h"

namespace korval {

PageMetrics PageMetrics::Compute(const cReportSurface& surface) {
    PageMetrics m;
    m.paged = surface.IsPrinter();
    m.pageHeight = surface.DeviceHeight();
    m.pageWidth = surface.DeviceWidth();
    if (m.paged) {
        m.topMargin = surface.PixelsPerInchY();
        m.leftMargin = surface.PixelsPerInchX() / 2;
        m.rightEdge = m.pageWidth - m.leftMargin;
        m.bottomEdge = m.pageHeight - surface.PixelsPerInchY();
    } else {
        m.topMargin = 5;
        m.leftMargin = 5;
        m.rightEdge = surface.ClientWidth() - 5;
        m.bottomEdge = surface.ClientHeight() - 5;
    }
    m.bodyHeight = m.pageHeight - 2 * m.topMargin;
    m.bodyWidth = m.pageWidth - 2 * m.leftMargin;
    m.text = surface.GetTextMetrics();
    m.outputText = m.text;
    m.columnUnit = (m.text.maxCharWidth + m.text.aveCharWidth) / 2;
    m.column[0] = m.leftMargin;
    m.column[1] = m.leftMargin + 2 * m.columnUnit;
    m.column[2] = m.leftMargin + 22 * m.columnUnit;
    m.column[3] = m.leftMargin + 42 * m.columnUnit;
    m.columnStep = 7 * m.columnUnit;
    return m;
}

}  // namespace korval
