#pragma once

#include <QDate>

// The first day of a Hijri month by the crescent rule of Turkey's Presidency
// of Religious Affairs (Diyanet), computed. Months are counted from
// 1 Muharram 1: month index = 12 × (year − 1) + month − 1. The moon model
// holds from 1900 to 2100.
namespace CrescentRule {

// Until 2016 (the Istanbul criteria of 1978) the month begins on the day
// after the UT date D of the visibility moment. From 2017 (the Istanbul
// congress of 2016, one calendar for the whole world) it begins on D itself
// when the crescent is seen in the Americas on the evening before and the
// conjunction came before dawn in New Zealand on D; see CrescentRule.cpp.
QDate firstDay(int monthIndex);

} // namespace CrescentRule
