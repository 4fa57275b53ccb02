#include "ui/FrmDitetEShenjta.h"

#include "calendar/Clock.h"
#include "calendar/HolyDays.h"
#include "ui/ErrorGuard.h"
#include "ui/WindowLook.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

// The Hijri years of the calendar.
constexpr int firstYear = 1;
constexpr int lastYear = 9999;

} // namespace

FrmDitetEShenjta::FrmDitetEShenjta(const Clock &clock, QWidget *parent)
    : QDialog(parent), m_today(clock.now().date())
{
    setObjectName(QStringLiteral("FrmDitetEShenjta"));
    setWindowTitle(QStringLiteral("Ditët e shenjta"));
    auto *layout = new QVBoxLayout(this);
    auto *moves = new QHBoxLayout;
    layout->addLayout(moves);
    QPushButton *previous =
        addButton(this, moves, QStringLiteral("\u2039"), QStringLiteral("Viti i kaluar"));
    m_lblViti = new QLabel(this);
    m_lblViti->setObjectName(QStringLiteral("LblViti"));
    m_lblViti->setAccessibleDescription(QStringLiteral("Viti hixhri"));
    QFont big = m_lblViti->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_lblViti->setFont(big);
    moves->addWidget(m_lblViti);
    QPushButton *next =
        addButton(this, moves, QStringLiteral("\u203A"), QStringLiteral("Viti tjetër"));
    moves->addStretch();

    m_tblDitet = new QTableWidget(0, 2, this);
    m_tblDitet->setObjectName(QStringLiteral("TblDitet"));
    m_tblDitet->setAccessibleName(QStringLiteral("Ditët dhe netët e shenjta"));
    m_tblDitet->setHorizontalHeaderLabels(
        {QStringLiteral("Dita ose nata"), QStringLiteral("Data sipas hixhrit")});
    m_tblDitet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblDitet->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblDitet->verticalHeader()->hide();
    m_tblDitet->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tblDitet->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(m_tblDitet, 1);

    auto *commands = new QHBoxLayout;
    layout->addLayout(commands);
    commands->addStretch();
    QPushButton *close = addButton(this, commands, QStringLiteral("Mbyll"));

    connect(previous, &QPushButton::clicked, this,
            [this] { ErrorGuard::run([this] { showYear(std::max(m_year - 1, firstYear)); }); });
    connect(next, &QPushButton::clicked, this,
            [this] { ErrorGuard::run([this] { showYear(std::min(m_year + 1, lastYear)); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    showYear(HijriCalendar::instance().fromDate(m_today).year);
    resize(620, 480);
}

void FrmDitetEShenjta::showYear(int hijriYear)
{
    const std::vector<HolyDay> days = HolyDays::ofYear(hijriYear);
    m_year = hijriYear;
    m_lblViti->setText(QStringLiteral("Viti hixhri %1").arg(hijriYear));
    m_tblDitet->setRowCount(int(days.size()));
    int coming = -1; // the next holy day or night from today
    for (int r = 0; r < int(days.size()); ++r) {
        const HolyDay &day = days[std::size_t(r)];
        m_tblDitet->setItem(r, 0, new QTableWidgetItem(day.line()));
        m_tblDitet->setItem(r, 1, new QTableWidgetItem(day.hijriText()));
        if (coming < 0 && day.date >= m_today)
            coming = r;
    }
    m_tblDitet->clearSelection();
    if (coming >= 0)
        m_tblDitet->setCurrentCell(coming, 0);
}
