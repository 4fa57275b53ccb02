#pragma once

#include <QDate>
#include <QDialog>

class Clock;
class QLabel;
class QTableWidget;

// The holy days and nights of a Hijri year, a row each: the name with the
// Gregorian date and weekday (a night on the evening it begins) as one line
// a screen reader says whole, and the Hijri date. Opens at the year of
// today, its next holy day or night chosen; "‹" and "›" move by a year.
// Built afresh for every opening, so it follows the Hijri adjustment.
class FrmDitetEShenjta : public QDialog
{
    Q_OBJECT

public:
    explicit FrmDitetEShenjta(const Clock &clock, QWidget *parent = nullptr);

    void showYear(int hijriYear);
    int year() const { return m_year; }

private:
    QDate m_today;
    int m_year = 0;
    QLabel *m_lblViti = nullptr;
    QTableWidget *m_tblDitet = nullptr;
};
