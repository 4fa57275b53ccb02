#include "ui/FrmXhamia.h"

#include "astronomy/PlaceCalendar.h"
#include "data/PrayerNames.h"
#include "data/TimeColumns.h"
#include "data/UserPlaces.h"
#include "prayer/MosqueTable.h"
#include "ui/FileDialog.h"
#include "ui/MessageBox.h"
#include "ui/PlaceMethodFields.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString caption = QStringLiteral("Sipas xhamisë");
constexpr int largestMinutes = 30;

} // namespace

FrmXhamia::FrmXhamia(qint32 cityKey, const QString &cityName, CalendarConnection &connection,
                     QWidget *parent)
    : QDialog(parent), m_cityKey(cityKey), m_connection(connection), m_store(connection),
      m_message([this](const QString &text, bool problem) {
          showMessage(this, problem ? QMessageBox::Warning : QMessageBox::Information, caption,
                      text);
      }),
      m_fileChoice([this] {
          return FileDialog::open(
              this, QStringLiteral("Tabela e xhamisë"),
              QStringLiteral("Tabela (*.csv *.tsv *.txt);;Të gjithë skedarët (*)"));
      }),
      m_confirmation([this](const QString &question) {
          return askFirst(this, caption, question, QStringLiteral("Hiqe"));
      })
{
    setObjectName(QStringLiteral("FrmXhamia"));
    setWindowTitle(QStringLiteral("%1: %2").arg(caption, cityName));

    const UserPlaces::Adjustments given = UserPlaces::adjustments(connection.database(), cityKey);
    auto *minutesBox = new QGroupBox(QStringLiteral("Minuta që u shtohen kohëve"), this);
    auto *grid = new QGridLayout(minutesBox);
    for (int i = 0; i < TimeColumns::count; ++i) {
        const QString name = PrayerNames::heading(i);
        auto *label = new QLabel(name + QLatin1Char(':'), minutesBox);
        auto *spin = new QSpinBox(minutesBox);
        spin->setRange(-largestMinutes, largestMinutes);
        spin->setSuffix(QStringLiteral(" min"));
        spin->setValue(given.minutes[std::size_t(i)]);
        spin->setAccessibleName(QStringLiteral("Minutat e %1").arg(PrayerNames::headingOf(i)));
        label->setBuddy(spin);
        grid->addWidget(label, i, 0);
        grid->addWidget(spin, i, 1);
        m_minutes[std::size_t(i)] = spin;
    }
    auto *saveMinutes = new QPushButton(QStringLiteral("Ruaj minutat"), minutesBox);
    grid->addWidget(saveMinutes, TimeColumns::count, 0, 1, 2);
    connect(saveMinutes, &QPushButton::clicked, this, &FrmXhamia::saveMinutes);

    auto *tableBox = new QGroupBox(QStringLiteral("Tabela vjetore e xhamisë"), this);
    auto *tableLayout = new QVBoxLayout(tableBox);
    m_table = new QLabel(tableBox);
    m_table->setWordWrap(true);
    m_table->setAccessibleName(QStringLiteral("Tabela e xhamisë"));
    auto *importButton = new QPushButton(QStringLiteral("Importo tabelën..."), tableBox);
    m_removeTable = new QPushButton(QStringLiteral("Hiq tabelën"), tableBox);
    m_removeTable->setObjectName(QStringLiteral("CmdHiqTabelen"));
    tableLayout->addWidget(m_table);
    tableLayout->addWidget(importButton);
    tableLayout->addWidget(m_removeTable);
    connect(importButton, &QPushButton::clicked, this, [this] {
        if (const QString path = m_fileChoice(); !path.isEmpty())
            importTable(path);
    });
    connect(m_removeTable, &QPushButton::clicked, this, &FrmXhamia::removeTable);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Mbyll"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    // A place of the world keeps the method it was added with until changed here.
    if (const auto place = UserPlaces::worldPlace(connection.database(), cityKey)) {
        auto *methodBox = new QGroupBox(QStringLiteral("Llogaritja e kohëve"), this);
        auto *methodLayout = new QVBoxLayout(methodBox);
        m_method = new PlaceMethodFields(PlaceMethodFields::methodChoices(),
                                         PlaceMethodFields::highLatitudeChoices(), methodBox);
        m_method->setChoice(place->method, place->highLatitude, place->asrShadow);
        auto *saveMethod = new QPushButton(QStringLiteral("Ruaj metodën"), methodBox);
        methodLayout->addWidget(m_method);
        methodLayout->addWidget(saveMethod);
        connect(saveMethod, &QPushButton::clicked, this, &FrmXhamia::saveMethod);
        layout->addWidget(methodBox);
    }
    layout->addWidget(minutesBox);
    layout->addWidget(tableBox);
    layout->addWidget(buttons);
    showTable();
}

bool FrmXhamia::stored(const std::function<void()> &store)
{
    try {
        store();
    } catch (const CityStore::NotStored &refusal) {
        m_message(refusal.message(), true);
        return false;
    }
    Q_EMIT timesChanged();
    return true;
}

void FrmXhamia::saveMethod()
{
    std::optional<UserPlaces::WorldPlace> place =
        UserPlaces::worldPlace(m_connection.database(), m_cityKey);
    if (!place)
        return;
    place->method = m_method->method();
    place->highLatitude = m_method->highLatitude();
    place->asrShadow = m_method->asrShadow();
    if (stored([&] { m_store.setMethod(m_cityKey, *place); }))
        m_message(
            QStringLiteral("Metoda u ruajt: %1.").arg(PlaceCalendar::methodTitle(place->method)),
            false);
}

void FrmXhamia::saveMinutes()
{
    UserPlaces::Minutes minutes{};
    for (std::size_t i = 0; i < minutes.size(); ++i)
        minutes[i] = m_minutes[i]->value();
    if (stored([&] { m_store.setMinutes(m_cityKey, minutes); }))
        m_message(QStringLiteral("Minutat u ruajtën."), false);
}

void FrmXhamia::importTable(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    QList<MosqueTable::Day> days;
    try {
        days = MosqueTable::readFile(path);
    } catch (const MosqueTable::ReadError &error) {
        m_message(error.message(), true);
        return;
    }
    if (!stored([&] { m_store.importMosqueTable(m_cityKey, days, fileName); }))
        return;
    showTable();
    QString told =
        QStringLiteral("Tabela \"%1\" u importua: %2 ditë.").arg(fileName).arg(days.size());
    if (const QString missing = MosqueTable::missingNote(days); !missing.isEmpty())
        told += QLatin1Char(' ') + missing;
    m_message(told, false);
}

void FrmXhamia::removeTable()
{
    const QString question =
        QStringLiteral("Të hiqet tabela \"%1\"? Kohët do të jenë ato të "
                       "kalendarit të vendit.")
            .arg(UserPlaces::adjustments(m_connection.database(), m_cityKey).tableName);
    if (m_confirmation(question) && stored([&] { m_store.removeMosqueTable(m_cityKey); }))
        showTable();
}

void FrmXhamia::showTable()
{
    const QSqlDatabase db = m_connection.database();
    const UserPlaces::Adjustments adjustments = UserPlaces::adjustments(db, m_cityKey);
    const qsizetype days = UserPlaces::mosqueTable(db, m_cityKey).size();
    m_removeTable->setEnabled(days > 0);
    m_table->setText(
        days == 0 ? QStringLiteral("Asnjë tabelë e importuar: kohët janë ato të kalendarit të "
                                   "vendit.")
                  : QStringLiteral("E importuar: \"%1\", %2 ditë; ditët që i mungojnë ndjekin "
                                   "kalendarin e vendit.")
                        .arg(adjustments.tableName)
                        .arg(days));
}
