#pragma once

#include <QString>
#include <QTime>

// A time of a table's cell as spreadsheets and publishers write it: "5:07",
// "05.07", "05:07:00" (the seconds left out, as a clock shows the minute) or
// with AM/PM ("5:07 AM", "1:15pm", "12:30 p.m."). Invalid when it is none.
namespace TableTime {

QTime read(const QString &cell);

} // namespace TableTime
