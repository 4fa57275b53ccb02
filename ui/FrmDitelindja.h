#pragma once

#include "calendar/Clock.h"

#include <QDialog>

class AutoSizeLabel;
class QDateEdit;
class QPushButton;

// Converts a Gregorian birth date to the Hijri calendar: the long Hijri text,
// the age in Hijri years, months and days, this Hijri year's birthday as a
// Gregorian date, and the short Hijri date. Built afresh for every opening;
// the main window shows it modal.
class FrmDitelindja : public QDialog
{
    Q_OBJECT

public:
    explicit FrmDitelindja(const Clock &clock = Clock::system(), QWidget *parent = nullptr);

    // Recomputes the four result labels from the picked date, with today
    // read from the clock.
    void Konvertimi();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void Form_Load();
    void Form_Resize();
    void DTPicker1_Change();
    void CmdKthehu_Click();

    const Clock &m_clock;
    QWidget *m_picture1 = nullptr;
    QDateEdit *m_dtPicker1 = nullptr;
    AutoSizeLabel *m_lblHixhriThjesht = nullptr;
    AutoSizeLabel *m_lblDatSipasH = nullptr;
    AutoSizeLabel *m_lblMoshaSipasH = nullptr;
    AutoSizeLabel *m_lblDitelindjaSivjet = nullptr;
    QPushButton *m_cmdKthehu = nullptr;
};
