#pragma once

#include "prayer/TimetablePage.h"

#include <QByteArray>

class QPagedPaintDevice;

// Timetable pages on paper: one page a month (or Ramadan), the title with the
// Gregorian and Hijri months, the city with its minutes and the calendar's
// source, then a row a day. The text stays text, so it can be searched and
// copied in a PDF.
namespace TimetablePrint {

// Paints the pages on a printer or a PDF writer, one device page each.
void paint(QPagedPaintDevice &device, const QList<TimetablePage> &pages);
// The pages as a PDF of A4 portrait pages, fonts embedded.
QByteArray pdf(const QList<TimetablePage> &pages);

} // namespace TimetablePrint
