#include "ui/FrmDitelindja.h"

#include "calendar/CalendarNames.h"
#include "calendar/CalendarService.h"
#include "calendar/SelectorGuard.h"
#include "ui/AutoSizeLabel.h"
#include "ui/DateField.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/LoadedWindows.h"
#include "ui/PushButton.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QDateEdit>
#include <QIcon>

namespace {

using CalendarService::datePart;
using CalendarService::Gregorian;
using CalendarService::Hijri;

const QString verdana = QStringLiteral("Verdana");

QWidget *makeFilledBox(QWidget *parent, const QString &name, const QColor &colour)
{
    auto *box = new QWidget(parent);
    box->setObjectName(name);
    fillBackground(box, colour);
    return box;
}

} // namespace

FrmDitelindja::FrmDitelindja(const Clock &clock, QWidget *parent) : QDialog(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("FrmDitelindja"));
    setWindowTitle(QStringLiteral("Ditëlindja sipas hixhrit"));
    setWindowIcon(QIcon(QStringLiteral(":/art/birthday.svg")));
    fillBackground(this, Qt::white);
    LoadedWindows::mark(this);

    buildControls();
    resize(Twips::toPixels(7470), Twips::toPixels(4290));
    centreOnScreen(this);

    // The result labels are filled before the window is first seen.
    ErrorGuard::run([this] { Form_Load(); });
    connect(m_dtPicker1, &QDateEdit::dateChanged, this, &FrmDitelindja::DTPicker1_Change);
}

void FrmDitelindja::buildControls()
{
    // The separator is drawn on the window itself, beneath every control,
    // under the picker row and within the margins of the texts.
    QWidget *line3 = makeFilledBox(this, QStringLiteral("Line3"), Qt::black);
    line3->setGeometry(Twips::toPixels(360), Twips::toPixels(1800), Twips::toPixels(6975), 1);

    m_picture1 = makeFilledBox(this, QStringLiteral("Picture1"), QColor(192, 0, 0));
    Twips::place(m_picture1, 840, 0, 6615, 855);
    auto *label1 = new AutoSizeLabel(QStringLiteral("Shënoni ditëlindjen tuaj"), m_picture1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setFont(designFont(QStringLiteral("Verdana"), 14.25));
    setTextColour(label1, Qt::white);
    label1->placeTwips(360, 240, 3465, 345);
    Twips::place(makeFilledBox(this, QStringLiteral("Picture2"), Qt::black), 0, 840, 7575, 135);

    const AutoSizeLabel *caption =
        makeLabel(this, QStringLiteral("Label2"), QStringLiteral("Data Gregoriane"),
                  designFont(verdana, 9.75), 705, 1245, 1590, 240);
    m_dtPicker1 = new DateField(this);
    m_dtPicker1->setObjectName(QStringLiteral("DTPicker1"));
    m_dtPicker1->setAccessibleName(caption->text());
    m_dtPicker1->setFont(designFont(QStringLiteral("Verdana"), 9.75, true));
    m_dtPicker1->setCalendarPopup(true);
    m_dtPicker1->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    m_dtPicker1->setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    Twips::place(m_dtPicker1, 2400, 1200, 1695, 330);
    caption = makeLabel(this, QStringLiteral("Label5"), QStringLiteral("> Hixhri:"),
                        designFont(verdana, 9.75), 4125, 1245, 825, 240);
    m_lblHixhriThjesht = makeLabel(this, QStringLiteral("LblHixhriThjesht"), QStringLiteral("XXX"),
                                   designFont(verdana, 9.75, true), 4950, 1260, 450, 240);
    m_lblHixhriThjesht->describeBy(*caption);
    // The caption sizes itself to its text: the value stands a little after it.
    m_lblHixhriThjesht->move(caption->geometry().right() + Twips::toPixels(90),
                             m_lblHixhriThjesht->y());

    caption = makeLabel(this, QStringLiteral("Label7"), QStringLiteral("Ditëlindja sipas hixhrit:"),
                        designFont(verdana, 9.75), 360, 2280, 2235, 240);
    m_lblDatSipasH = makeLabel(this, QStringLiteral("LblDatSipasH"), QStringLiteral("XXX"),
                               designFont(verdana, 9.75, true), 2640, 2280, 450, 240);
    m_lblDatSipasH->describeBy(*caption);
    caption = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Sot keni sipas hixhrit:"),
                        designFont(verdana, 9.75), 360, 2640, 2145, 240);
    m_lblMoshaSipasH = makeLabel(this, QStringLiteral("LblMoshaSipasH"), QStringLiteral("XXX"),
                                 designFont(verdana, 9.75, true), 2640, 2640, 450, 240);
    m_lblMoshaSipasH->describeBy(*caption);
    caption = makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Ditëlindja në këtë vit:"),
                        designFont(verdana, 9.75), 360, 3000, 2145, 240);
    m_lblDitelindjaSivjet =
        makeLabel(this, QStringLiteral("LblDitelindjaSivjet"), QStringLiteral("XXX"),
                  designFont(verdana, 9.75, true), 2640, 3000, 450, 240);
    m_lblDitelindjaSivjet->describeBy(*caption);

    m_cmdKthehu =
        makePushButton(this, QStringLiteral("CmdKthehu"), QStringLiteral("Kthehu"), 6120, 3600);
    connect(m_cmdKthehu, &QPushButton::clicked, this, &FrmDitelindja::CmdKthehu_Click);
    setTabOrder(m_dtPicker1, m_cmdKthehu);
}

void FrmDitelindja::Form_Load()
{
    const SelectorGuard guard(Gregorian);
    m_dtPicker1->setDate(CalendarService::readDateText(QStringLiteral("06/14/1975")));
    Konvertimi();
}

void FrmDitelindja::Konvertimi()
{
    const QDate birth = m_dtPicker1->date();
    {
        const SelectorGuard guard(Gregorian);
        m_lblDatSipasH->setText(Module1::LongHijriDate(CalendarService::shortDateText(birth)));

        CalendarService::setSelector(Hijri);
        const QDate today = CalendarService::now(m_clock).date();
        // Each figure is the plain difference of its own field, without
        // borrowing: a figure is negative when the birth's number is larger.
        const int years = CalendarService::yearDifference(QStringLiteral("yyyy"), birth, today);
        const int months =
            datePart(QStringLiteral("m"), today) - datePart(QStringLiteral("m"), birth);
        const int days =
            datePart(QStringLiteral("d"), today) - datePart(QStringLiteral("d"), birth);
        m_lblMoshaSipasH->setText(
            QStringLiteral("%1 vite, %2 muaj dhe %3 ditë").arg(years).arg(months).arg(days));

        // The birth's Hijri day and month in the current Hijri year, passed or
        // still to come. A 30th in a month that has 29 days this year reads as
        // the month's last day.
        const QString birthday = QStringLiteral("%1/%2/%3")
                                     .arg(datePart(QStringLiteral("m"), birth))
                                     .arg(datePart(QStringLiteral("d"), birth))
                                     .arg(datePart(QStringLiteral("yyyy"), today));
        m_lblDitelindjaSivjet->setText(Module1::LongGregorianDate(birthday));
    }

    // "mm/dd/yyyy" laid out as "dd.mm.yyyy".
    const QStringList hijri = Module1::HijriDateText(birth).split(QLatin1Char('/'));
    if (hijri.size() != 3)
        throw CalendarError(QStringLiteral("Data hixhri e %1 nuk u shkrua dot.")
                                .arg(birth.toString(QStringLiteral("dd.MM.yyyy"))));
    m_lblHixhriThjesht->setText(hijri[1] + QLatin1Char('.') + hijri[0] + QLatin1Char('.') +
                                hijri[2]);
}

void FrmDitelindja::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ErrorGuard::run([this] { Form_Resize(); });
}

void FrmDitelindja::Form_Resize()
{
    // The banner starts at the left edge and reaches past the right one, so
    // neither end of it shows however wide the window is made.
    const float width = float(Twips::fromPixels(frameGeometry().width())) + 200.0f;
    m_picture1->setGeometry(0, 0, Twips::toPixels(width), m_picture1->height());
}

void FrmDitelindja::DTPicker1_Change()
{
    ErrorGuard::run([this] { Konvertimi(); });
}

void FrmDitelindja::CmdKthehu_Click()
{
    ErrorGuard::run([this] { reject(); });
}
