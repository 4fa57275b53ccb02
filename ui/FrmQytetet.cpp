#include "ui/FrmQytetet.h"

#include "astronomy/Qibla.h"
#include "data/QueryHelpers.h"
#include "data/SelectedCity.h"
#include "prayer/CityPosition.h"
#include "ui/AutoSizeLabel.h"
#include "ui/CityComboBox.h"
#include "ui/ErrorGuard.h"
#include "ui/Fonts.h"
#include "ui/FrmKerkoVendin.h"
#include "ui/FrmKibla.h"
#include "ui/FrmXhamia.h"
#include "ui/MessageBox.h"
#include "ui/PushButton.h"
#include "ui/Twips.h"
#include "ui/WindowLook.h"

#include <QIcon>

namespace {

const QString caption = QStringLiteral("Zgjedhja e qytetit");

QFont arialBold()
{
    return designFont(QStringLiteral("Arial"), 12, true);
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
    fillBackground(this, Qt::white);

    const AutoSizeLabel *caption =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Minuta:"), arialBold(), 240, 2880,
                  855, 285, Qt::AlignLeft);
    m_lblMinuta = makeLabel(this, QStringLiteral("LblMinuta"), QStringLiteral("XX"), arialBold(),
                            1200, 2880, 330, 285, Qt::AlignRight);
    m_lblMinuta->describeBy(*caption);
    m_cmbQyteti = new CityComboBox(this);
    m_cmbQyteti->setObjectName(QStringLiteral("CmbQyteti"));
    m_cmbQyteti->setFont(arialBold());
    Twips::place(m_cmbQyteti, 240, 240, 2895, 2460);
    m_cmdAktivoje =
        makePushButton(this, QStringLiteral("CmdAktivoje"), QStringLiteral("Aktivoje"), 3360, 1440);
    m_cmdKthehu =
        makePushButton(this, QStringLiteral("CmdKthehu"), QStringLiteral("Kthehu"), 3360, 2160);
    // Where the window has room, above the two buttons.
    m_cmdKerko = makePushButton(this, QStringLiteral("CmdKerko"), QStringLiteral("Kërko vendin..."),
                                3360, 240);
    m_cmdXhamia =
        makePushButton(this, QStringLiteral("CmdXhamia"), QStringLiteral("Xhamia..."), 3360, 840);
    m_cmdXhamia->setAccessibleName(QStringLiteral("Sipas xhamisë"));
    // The labels take no focus: the list, then the buttons.
    setTabOrder(m_cmbQyteti, m_cmdAktivoje);
    setTabOrder(m_cmdAktivoje, m_cmdKthehu);
    setTabOrder(m_cmdKthehu, m_cmdKerko);
    setTabOrder(m_cmdKerko, m_cmdXhamia);
    // Below the two buttons, right of the minutes.
    m_cmdKibla =
        makePushButton(this, QStringLiteral("CmdKibla"), QStringLiteral("Kibla..."), 3360, 2760);
    m_cmdKibla->setAccessibleName(QStringLiteral("Drejtimi i kiblës"));
    setTabOrder(m_cmdXhamia, m_cmdKibla);
    // Below the list, between the minutes and the Qibla.
    m_cmdHiqVendin = makePushButton(this, QStringLiteral("CmdHiqVendin"),
                                    QStringLiteral("Hiq vendin"), 1800, 2760, 1335);
    m_cmdHiqVendin->setAccessibleName(QStringLiteral("Hiq vendin"));
    setTabOrder(m_cmdKibla, m_cmdHiqVendin);

    connect(m_cmbQyteti, &CityComboBox::clicked, this, &FrmQytetet::CmbQyteti_Click);
    connect(m_cmbQyteti, &CityComboBox::doubleClicked, this, &FrmQytetet::CmbQyteti_DblClick);
    connect(m_cmdAktivoje, &QPushButton::clicked, this, &FrmQytetet::CmdAktivoje_Click);
    connect(m_cmdKthehu, &QPushButton::clicked, this, &FrmQytetet::CmdKthehu_Click);
    connect(m_cmdXhamia, &QPushButton::clicked, this, &FrmQytetet::CmdXhamia_Click);
    connect(m_cmdKerko, &QPushButton::clicked, this, &FrmQytetet::CmdKerko_Click);
    connect(m_cmdKibla, &QPushButton::clicked, this, &FrmQytetet::CmdKibla_Click);
    connect(m_cmdHiqVendin, &QPushButton::clicked, this, &FrmQytetet::CmdHiqVendin_Click);

    centreOnScreen(this);

    Form_Load(mainCityCaption);
}

void FrmQytetet::Form_Load(const QString &mainCityCaption)
{
    ErrorGuard::run([&] {
        Module1::FillList(QStringLiteral("Qytetet"), QStringLiteral("IDQyteti"),
                          QStringLiteral("Qyteti"), *m_cmbQyteti, m_connection);
        Module1::ComboSelectText(*m_cmbQyteti, mainCityCaption);
        const std::optional<SelectedCity> selected = SelectedCity::read(m_connection.database());
        m_selectedKey = selected ? selected->key : 0;
    });
    enableRemoval();
}

void FrmQytetet::CmbQyteti_Click()
{
    ErrorGuard::run([this] {
        enableRemoval();
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

void FrmQytetet::CmdXhamia_Click()
{
    ErrorGuard::run([this] {
        const std::optional<int> index = pickedIndex();
        if (!index)
            return;
        FrmXhamia mosque(m_cmbQyteti->itemData(*index), m_cmbQyteti->itemText(*index), m_connection,
                         this);
        connect(&mosque, &FrmXhamia::timesChanged, this, &FrmQytetet::timesChanged);
        mosque.exec();
    });
}

void FrmQytetet::CmdKerko_Click()
{
    ErrorGuard::run([this] {
        // The world's places are read only while somebody searches.
        std::optional<WorldPlaces> world;
        try {
            world.emplace(WorldPlaces::load());
        } catch (const KolviraError &error) {
            m_warning(error.message());
            return;
        }
        QList<FrmKerkoVendin::OwnCity> own;
        for (int i = 0; i < m_cmbQyteti->listCount(); ++i)
            own << FrmKerkoVendin::OwnCity{m_cmbQyteti->itemText(i), m_cmbQyteti->itemData(i)};
        FrmKerkoVendin search(*world, own, PlaceMethodFields::methodChoices(),
                              PlaceMethodFields::highLatitudeChoices(), this);
        if (search.exec() != QDialog::Accepted)
            return;
        try {
            if (const std::optional<qint32> key = search.chosenCityKey()) {
                m_store.store(*key);
            } else if (const std::optional<WorldPlace> place = search.chosenPlace()) {
                m_store.addPlace(place->name, {place->latitude, place->longitude, place->timeZone,
                                               place->countryCode, search.method(),
                                               search.highLatitude(), search.asrShadow()});
            } else {
                return;
            }
        } catch (const CityStore::NotStored &refusal) {
            m_warning(refusal.message());
            return;
        }
        done(QDialog::Accepted);
        Q_EMIT showMainWindowRequested();
    });
}

void FrmQytetet::CmdKibla_Click()
{
    ErrorGuard::run([this] {
        const std::optional<int> index = pickedIndex();
        if (!index)
            return;
        const QString name = m_cmbQyteti->itemText(*index);
        const auto position =
            CityPosition::of(m_connection.database(), m_cmbQyteti->itemData(*index));
        if (!position) {
            m_warning(QStringLiteral("Vendndodhja e %1 nuk dihet.").arg(name));
            return;
        }
        FrmKibla qibla(name, Qibla::from(position->latitude, position->longitude), this);
        qibla.exec();
    });
}

void FrmQytetet::CmdHiqVendin_Click()
{
    ErrorGuard::run([this] {
        const std::optional<int> index = pickedIndex();
        if (!index)
            return;
        const QString name = m_cmbQyteti->itemText(*index);
        if (!askFirst(this, caption,
                      QStringLiteral("Të hiqet \"%1\" nga lista? Bashkë me të hiqen minutat e "
                                     "xhamisë dhe tabela e saj, po të keni.")
                          .arg(name),
                      QStringLiteral("Hiqe")))
            return;
        try {
            m_store.removePlace(m_cmbQyteti->itemData(*index));
        } catch (const CityStore::NotStored &refusal) {
            m_warning(refusal.message());
            return;
        }
        // The list without it, on the selected place.
        const std::optional<SelectedCity> selected = SelectedCity::read(m_connection.database());
        Form_Load(selected ? selected->name : QString());
        CmbQyteti_Click();
    });
}

void FrmQytetet::enableRemoval()
{
    const int index = m_cmbQyteti->listIndex();
    const qint32 key = index >= 0 ? m_cmbQyteti->itemData(index) : 0;
    m_cmdHiqVendin->setEnabled(key >= UserPlaces::firstKey && key != m_selectedKey);
}

std::optional<int> FrmQytetet::pickedIndex()
{
    const int index = m_cmbQyteti->listIndex();
    if (index >= 0)
        return index;
    m_warning(QStringLiteral("Zgjidhni një qytet nga lista."));
    return std::nullopt;
}

bool FrmQytetet::MbusheBazenMeTeDhenatEReja()
{
    const std::optional<int> index = pickedIndex();
    if (!index)
        return false;
    try {
        m_store.store(m_cmbQyteti->itemData(*index));
    } catch (const CityStore::NotStored &refusal) {
        m_warning(refusal.message());
        return false;
    }
    return true;
}
