#include "ui/FrmTakvimiMuajit.h"

#include "calendar/CalendarNames.h"
#include "calendar/Clock.h"
#include "data/WholeFile.h"
#include "prayer/IcsCalendar.h"
#include "print/TimetablePrint.h"
#include "ui/ErrorGuard.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/WindowLook.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>

namespace {

// A caption that screen readers say for the control beside it.
template <typename Control>
Control *captioned(QBoxLayout *layout, const QString &caption, Control *control)
{
    auto *label = new QLabel(caption, control->parentWidget());
    label->setBuddy(control);
    control->setAccessibleName(QString(caption).remove(QLatin1Char(':')));
    layout->addWidget(label);
    layout->addWidget(control);
    return control;
}

// A label showing a value, told to screen readers by its description.
QLabel *addValueLabel(QWidget *window, QBoxLayout *layout, const QString &name,
                      const QString &description)
{
    auto *label = new QLabel(window);
    label->setObjectName(name);
    label->setAccessibleDescription(description);
    layout->addWidget(label);
    return label;
}

} // namespace

FrmTakvimiMuajit::FrmTakvimiMuajit(CalendarConnection &connection, const Clock &clock,
                                   QWidget *parent)
    : QDialog(parent), m_timetable(CityTimetable::selected(connection)), m_today(clock.now().date())
{
    setObjectName(QStringLiteral("FrmTakvimiMuajit"));
    setWindowTitle(QStringLiteral("Takvimi i muajit"));
    buildControls();
    showMonth(m_today.year(), m_today.month());
    resize(940, 760);
}

void FrmTakvimiMuajit::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    m_lblTitulli =
        addValueLabel(this, layout, QStringLiteral("LblTitulli"), QStringLiteral("Muaji"));
    QFont big = m_lblTitulli->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    m_lblTitulli->setFont(big);
    m_lblQyteti = addValueLabel(this, layout, QStringLiteral("LblQyteti"),
                                QStringLiteral("Qyteti dhe kalendari"));

    auto *moves = new QHBoxLayout;
    layout->addLayout(moves);
    QPushButton *previous =
        addButton(this, moves, QStringLiteral("\u2039"), QStringLiteral("Muaji i mëparshëm"));
    m_cboMuaji = captioned(moves, QStringLiteral("Muaji:"), new QComboBox(this));
    for (int m = 1; m <= 12; ++m)
        m_cboMuaji->addItem(Module1::GregorianMonthName(m));
    m_spnViti = captioned(moves, QStringLiteral("Viti:"), new QSpinBox(this));
    m_spnViti->setRange(1900, 2100);
    QPushButton *next =
        addButton(this, moves, QStringLiteral("\u203A"), QStringLiteral("Muaji i ardhshëm"));
    QPushButton *ramadan = addButton(this, moves, QStringLiteral("Ramazani"));
    moves->addStretch();

    m_tblTakvimi = new QTableWidget(this);
    m_tblTakvimi->setObjectName(QStringLiteral("TblTakvimi"));
    m_tblTakvimi->setAccessibleName(QStringLiteral("Takvimi i muajit"));
    m_tblTakvimi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tblTakvimi->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tblTakvimi->verticalHeader()->hide();
    m_tblTakvimi->setWordWrap(false);
    layout->addWidget(m_tblTakvimi, 1);

    auto *files = new QHBoxLayout;
    layout->addLayout(files);
    m_cboPerfshij = captioned(files, QStringLiteral("Përfshij:"), new QComboBox(this));
    m_cboPerfshij->addItems({QStringLiteral("Muajin e shfaqur"), QStringLiteral("Gjithë vitin")});
    m_spnKujtesa = captioned(files, QStringLiteral("Kujtesa para namazit:"), new QSpinBox(this));
    m_spnKujtesa->setRange(0, 120);
    m_spnKujtesa->setSuffix(QStringLiteral(" min"));
    m_spnKujtesa->setSpecialValueText(QStringLiteral("Pa kujtesë"));
    m_chkDitetEShenjta = new QCheckBox(QStringLiteral("Me ditët e shenjta"), this);
    m_chkDitetEShenjta->setChecked(true);
    files->addWidget(m_chkDitetEShenjta);
    files->addStretch();
    auto *commands = new QHBoxLayout;
    layout->addLayout(commands);
    QPushButton *print = addButton(this, commands, QStringLiteral("Shtyp..."));
    QPushButton *pdf = addButton(this, commands, QStringLiteral("Ruaje si PDF..."));
    QPushButton *ics = addButton(this, commands, QStringLiteral("Eksporto në kalendar (.ics)..."));
    commands->addStretch();
    QPushButton *close = addButton(this, commands, QStringLiteral("Mbyll"));
    m_lblGjendja =
        addValueLabel(this, layout, QStringLiteral("LblGjendja"), QStringLiteral("Gjendja"));

    connect(previous, &QPushButton::clicked, this, [this] {
        const QDate first = QDate(m_year, m_month, 1).addMonths(-1);
        showMonth(first.year(), first.month());
    });
    connect(next, &QPushButton::clicked, this, [this] {
        const QDate first = QDate(m_year, m_month, 1).addMonths(1);
        showMonth(first.year(), first.month());
    });
    connect(m_cboMuaji, &QComboBox::activated, this,
            [this](int index) { showMonth(m_year, index + 1); });
    connect(m_spnViti, &QSpinBox::valueChanged, this, [this](int year) {
        if (year != m_year)
            showMonth(year, m_month);
    });
    connect(ramadan, &QPushButton::clicked, this,
            [this] { showRamadan(TimetablePages::ramadanYearIn(m_year)); });
    connect(print, &QPushButton::clicked, this,
            [this] { ErrorGuard::run([this] { this->print(); }); });
    connect(pdf, &QPushButton::clicked, this, [this] {
        ErrorGuard::run([this] {
            saveFile(QStringLiteral("Ruaje si PDF"), QStringLiteral("pdf"),
                     TimetablePrint::pdf(pagesToWrite()));
        });
    });
    connect(ics, &QPushButton::clicked, this, [this] {
        ErrorGuard::run([this] {
            saveFile(QStringLiteral("Eksporto në kalendar"), QStringLiteral("ics"),
                     IcsCalendar::write(pagesToWrite(), m_spnKujtesa->value(),
                                        QDateTime::currentDateTimeUtc(),
                                        m_chkDitetEShenjta->isChecked()));
        });
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmTakvimiMuajit::showMonth(int year, int month)
{
    m_year = year;
    m_month = month;
    m_page = TimetablePages::month(m_timetable, year, month);
    fillTable();
}

void FrmTakvimiMuajit::showRamadan(int hijriYear)
{
    m_page = TimetablePages::ramadan(m_timetable, hijriYear);
    m_year = m_page.rows.first().date.year();
    m_month = m_page.rows.first().date.month();
    fillTable();
}

void FrmTakvimiMuajit::fillTable()
{
    const QSignalBlocker monthBlocker(m_cboMuaji), yearBlocker(m_spnViti);
    m_cboMuaji->setCurrentIndex(m_month - 1);
    m_spnViti->setValue(m_year);
    m_lblTitulli->setText(m_page.title);
    m_lblQyteti->setText(m_page.cityLine());
    m_lblGjendja->setText(m_page.note);

    const QStringList headers = m_page.headers();
    m_tblTakvimi->clear();
    m_tblTakvimi->setColumnCount(int(headers.size()));
    m_tblTakvimi->setRowCount(int(m_page.rows.size()));
    m_tblTakvimi->setHorizontalHeaderLabels(headers);
    // The times share what the dates leave; a column whose name is wider
    // than that share ("Lindja e diellit") keeps its name's width.
    QHeaderView *header = m_tblTakvimi->horizontalHeader();
    for (int c = 0; c < headers.size(); ++c) {
        const bool fits = c >= 3 && header->fontMetrics().horizontalAdvance(headers[c]) < 60;
        header->setSectionResizeMode(c,
                                     fits ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
    QFont bold = m_tblTakvimi->font();
    bold.setBold(true);
    for (int r = 0; r < m_page.rows.size(); ++r) {
        const TimetablePage::Row &row = m_page.rows[r];
        const bool today = row.date == m_today;
        const QStringList cells = m_page.cells(row);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            // Read with its column's name, whatever the screen reader does with headers.
            item->setData(Qt::AccessibleTextRole,
                          QStringLiteral("%1: %2").arg(headers[c], cells[c]));
            item->setTextAlignment(c < 3 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (c == 2 && !row.holyDays.empty())
                item->setForeground(QColor(128, 0, 0)); // a holy day or night
            if (today) {
                item->setFont(bold);
                item->setBackground(QColor(255, 236, 179));
                item->setData(Qt::AccessibleDescriptionRole, QStringLiteral("Sot"));
            }
            m_tblTakvimi->setItem(r, c, item);
        }
        if (today)
            m_tblTakvimi->setCurrentCell(r, 0);
    }
}

QList<TimetablePage> FrmTakvimiMuajit::pagesToWrite() const
{
    if (m_cboPerfshij->currentIndex() == 0)
        return {m_page};
    return TimetablePages::year(m_timetable, m_year);
}

QString FrmTakvimiMuajit::suggestedName(const QString &suffix) const
{
    const QString when =
        m_cboPerfshij->currentIndex() == 1 ? QString::number(m_year)
        : m_page.ramadan
            ? QStringLiteral("Ramazani %1").arg(m_page.rows.first().hijri.year)
            : QStringLiteral("%1-%2").arg(m_year).arg(m_month, 2, 10, QLatin1Char('0'));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(
        QStringLiteral("Takvimi %1 %2.%3").arg(m_page.cityName, when, suffix));
}

void FrmTakvimiMuajit::saveFile(const QString &caption, const QString &suffix,
                                const QByteArray &bytes)
{
    QString path = FileDialog::save(this, caption, suggestedName(suffix),
                                    QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    const QString failure = WholeFile::write(path, bytes);
    if (!failure.isEmpty()) {
        showMessage(this, QMessageBox::Warning, windowTitle(), failure);
        return;
    }
    m_lblGjendja->setText(QStringLiteral("U ruajt: %1").arg(QDir::toNativeSeparators(path)));
}

void FrmTakvimiMuajit::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(suggestedName(QStringLiteral("pdf")).section(QLatin1Char('/'), -1));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Shtyp takvimin"));
    if (dialog.exec() == QDialog::Accepted)
        TimetablePrint::paint(printer, pagesToWrite());
}
