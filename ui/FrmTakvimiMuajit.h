#pragma once

#include "prayer/CityTimetable.h"
#include "prayer/TimetablePage.h"

#include <QDialog>

class Clock;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

// The month's timetable of the selected city: a row a day with the
// Gregorian, weekday and Hijri dates and the seven times, today's row marked.
// It moves by month and year, jumps to Ramadan, prints, saves a PDF and
// exports an iCalendar file. Built afresh for every opening.
class FrmTakvimiMuajit : public QDialog
{
    Q_OBJECT

public:
    FrmTakvimiMuajit(CalendarConnection &connection, const Clock &clock, QWidget *parent = nullptr);

    void showMonth(int year, int month);
    // Ramadan of the Hijri year, its first day to its last.
    void showRamadan(int hijriYear);
    const TimetablePage &page() const { return m_page; }

private:
    void buildControls();
    void fillTable();
    // The page shown, or the twelve months of its year, as the scope chooses.
    QList<TimetablePage> pagesToWrite() const;
    void print();
    void saveFile(const QString &caption, const QString &suffix, const QByteArray &bytes);
    QString suggestedName(const QString &suffix) const;

    CityTimetable m_timetable;
    QDate m_today;
    int m_year = 0;
    int m_month = 0;
    TimetablePage m_page;

    QLabel *m_lblTitulli = nullptr;
    QLabel *m_lblQyteti = nullptr;
    QLabel *m_lblGjendja = nullptr;
    QComboBox *m_cboMuaji = nullptr;
    QSpinBox *m_spnViti = nullptr;
    QComboBox *m_cboPerfshij = nullptr;
    QSpinBox *m_spnKujtesa = nullptr;
    QCheckBox *m_chkDitetEShenjta = nullptr; // the holy days in the calendar file
    QTableWidget *m_tblTakvimi = nullptr;
};
