#include "ui/FrmQytetet.h"

#include "data/QueryHelpers.h"
#include "ui/AutoSizeLabel.h"
#include "ui/CityComboBox.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"
#include "ui/Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace {

const QString caption = QStringLiteral("Zgjedhja e qytetit");

QFont arialBold()
{
    return designFont(QStringLiteral("Arial"), 12, true);
}

AutoSizeLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left,
                         int top, int width, int height, Qt::Alignment alignment)
{
    auto *label = new AutoSizeLabel(text, parent, alignment);
    label->setObjectName(name);
    label->setFont(arialBold());
    label->placeTwips(left, top, width, height);
    return label;
}

} // namespace

FrmQytetet::FrmQytetet(const QString &mainCityCaption, CalendarConnection &connection,
                       QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_connection(connection), m_store(connection), m_warning([this](const QString &text) {
          showMessage(this, QMessageBox::Warning, caption, text);
      })
{
    setObjectName(QStringLiteral("FrmQytetet"));
    setWindowTitle(caption);
    setWindowIcon(QIcon(QStringLiteral(":/art/city.svg")));
    setFixedSize(Twips::toPixels(4875), Twips::toPixels(3375));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    const AutoSizeLabel *caption =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Minuta:"), 240, 2880, 855, 285,
                  Qt::AlignLeft);
    m_lblMinuta = makeLabel(this, QStringLiteral("LblMinuta"), QStringLiteral("XX"), 1200, 2880,
                            330, 285, Qt::AlignRight);
    m_lblMinuta->describeBy(*caption);
    m_cmbQyteti = new CityComboBox(this);
    m_cmbQyteti->setObjectName(QStringLiteral("CmbQyteti"));
    m_cmbQyteti->setFont(arialBold());
    Twips::place(m_cmbQyteti, 240, 240, 2895, 2460);
    m_cmdAktivoje = makePushButton(QStringLiteral("Aktivoje"), this, 3360, 1440);
    m_cmdAktivoje->setObjectName(QStringLiteral("CmdAktivoje"));
    m_cmdKthehu = makePushButton(QStringLiteral("Kthehu"), this, 3360, 2160);
    m_cmdKthehu->setObjectName(QStringLiteral("CmdKthehu"));
    // The labels take no focus: the list, then the two buttons.
    setTabOrder(m_cmbQyteti, m_cmdAktivoje);
    setTabOrder(m_cmdAktivoje, m_cmdKthehu);

    connect(m_cmbQyteti, &CityComboBox::clicked, this, &FrmQytetet::CmbQyteti_Click);
    connect(m_cmbQyteti, &CityComboBox::doubleClicked, this, &FrmQytetet::CmbQyteti_DblClick);
    connect(m_cmdAktivoje, &QPushButton::clicked, this, &FrmQytetet::CmdAktivoje_Click);
    connect(m_cmdKthehu, &QPushButton::clicked, this, &FrmQytetet::CmdKthehu_Click);

    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());

    Form_Load(mainCityCaption);
}

void FrmQytetet::Form_Load(const QString &mainCityCaption)
{
    ErrorGuard::run([&] {
        Module1::FillList(QStringLiteral("Qytetet"), QStringLiteral("IDQyteti"),
                          QStringLiteral("Qyteti"), *m_cmbQyteti, m_connection);
        Module1::ComboSelectText(*m_cmbQyteti, mainCityCaption);
    });
}

void FrmQytetet::CmbQyteti_Click()
{
    ErrorGuard::run([this] {
        const int index = m_cmbQyteti->listIndex();
        if (index < 0) {
            m_lblMinuta->setText(QString());
            return;
        }
        const Variant minutes = Module1::LookupFieldValue(
            QStringLiteral("Qytetet"), QStringLiteral("IDQyteti"),
            Variant::integer(m_cmbQyteti->itemData(index)), QStringLiteral("Integer"),
            QStringLiteral("Minuta"), false, m_connection);
        m_lblMinuta->setText(minutes.toText());
    });
}

void FrmQytetet::CmbQyteti_DblClick()
{
    CmdAktivoje_Click();
}

void FrmQytetet::CmdAktivoje_Click()
{
    ErrorGuard::run([this] {
        if (!MbusheBazenMeTeDhenatEReja())
            return;
        done(QDialog::Accepted);
        Q_EMIT showMainWindowRequested();
    });
}

void FrmQytetet::CmdKthehu_Click()
{
    ErrorGuard::run([this] {
        done(QDialog::Rejected);
        Q_EMIT showMainWindowRequested();
    });
}

bool FrmQytetet::MbusheBazenMeTeDhenatEReja()
{
    const int index = m_cmbQyteti->listIndex();
    if (index < 0) {
        m_warning(QStringLiteral("Zgjidhni një qytet nga lista."));
        return false;
    }
    try {
        m_store.store(m_cmbQyteti->itemData(index));
    } catch (const CityStore::NotStored &refusal) {
        m_warning(refusal.message());
        return false;
    }
    return true;
}
