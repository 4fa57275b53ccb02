#include "ui/FrmKerkoVendin.h"

#include "astronomy/CityNames.h"
#include "ui/WindowLook.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

FrmKerkoVendin::FrmKerkoVendin(const WorldPlaces &world, const QList<OwnCity> &ownCities,
                               const PlaceMethodFields::Choices &methods,
                               const PlaceMethodFields::Choices &highLatitudeRules, QWidget *parent)
    : QDialog(parent), m_world(world), m_ownCities(ownCities)
{
    setObjectName(QStringLiteral("FrmKerkoVendin"));
    setWindowTitle(QStringLiteral("Kërko vendin"));
    auto *caption = new QLabel(QStringLiteral("&Emri i vendit:"), this);
    m_field = new QLineEdit(this);
    m_field->setAccessibleName(QStringLiteral("Emri i vendit"));
    m_field->installEventFilter(this);
    caption->setBuddy(m_field);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Vendet e gjetura"));
    m_fields = new PlaceMethodFields(methods, highLatitudeRules, this);

    auto *buttons = new QDialogButtonBox(this);
    m_choose = buttons->addButton(QStringLiteral("Zgjidhe"), QDialogButtonBox::AcceptRole);
    m_choose->setDefault(true);
    m_choose->setAccessibleName(QStringLiteral("Zgjidhe"));
    buttons->addButton(QStringLiteral("Anulo"), QDialogButtonBox::RejectRole)
        ->setAccessibleName(QStringLiteral("Anulo"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &QLineEdit::textChanged, this, &FrmKerkoVendin::search);
    connect(m_list, &QListWidget::currentRowChanged, this, &FrmKerkoVendin::showCurrent);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_field);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_fields);
    layout->addWidget(buttons);
    resize(420, 480);
    centreOnScreen(this);
    search({});
    m_field->setFocus();
}

std::optional<qint32> FrmKerkoVendin::chosenCityKey() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_hits.size() ? m_hits[row].cityKey : std::nullopt;
}

std::optional<WorldPlace> FrmKerkoVendin::chosenPlace() const
{
    const int row = m_list->currentRow();
    return row >= 0 && row < m_hits.size() ? m_hits[row].place : std::nullopt;
}

bool FrmKerkoVendin::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && m_list->currentRow() >= 0) {
        m_list->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmKerkoVendin::search(const QString &typed)
{
    const QString folded = foldForSearch(typed.simplified());
    m_hits.clear();
    for (const OwnCity &city : std::as_const(m_ownCities)) {
        // Before anything is typed, the program's own cities are the list.
        if (folded.isEmpty()) {
            addOwnHit(city, 0);
            continue;
        }
        QStringList names = CityNames::of(city.text);
        names << city.text;
        for (QString &name : names)
            name = foldForSearch(name);
        if (const int rank = matchRank(names.join(QLatin1Char('\n')), folded); rank >= 0)
            addOwnHit(city, rank);
    }
    for (const WorldPlace &place : m_world.search(typed)) {
        // A town of the list is found as itself, with its community's calendar.
        if (const std::optional<QString> town = CityNames::sameTown(
                {place.name, place.geoNamesName}, place.latitude, place.longitude)) {
            const auto own = std::find_if(m_ownCities.cbegin(), m_ownCities.cend(),
                                          [&](const OwnCity &city) { return city.text == *town; });
            if (own != m_ownCities.cend()) {
                addOwnHit(*own, place.rank);
                continue;
            }
        }
        // Our Albanian name beside the one on the place's own signs.
        const QString name = place.name == place.geoNamesName
                                 ? place.name
                                 : QStringLiteral("%1 — %2").arg(place.name, place.geoNamesName);
        m_hits.append(
            {place.rank, QStringLiteral("%1 (%2)").arg(name, place.country), std::nullopt, place});
    }
    std::stable_sort(m_hits.begin(), m_hits.end(),
                     [](const Hit &a, const Hit &b) { return a.rank < b.rank; });
    m_list->clear();
    for (const Hit &hit : std::as_const(m_hits))
        m_list->addItem(hit.text);
    const bool found = m_list->count() > 0;
    if (!found && !folded.isEmpty()) {
        auto *nothing = new QListWidgetItem(QStringLiteral("Asnjë vend me këtë emër."), m_list);
        nothing->setFlags(Qt::NoItemFlags);
    }
    m_list->setCurrentRow(found ? 0 : -1);
    showCurrent(m_list->currentRow());
}

void FrmKerkoVendin::addOwnHit(const OwnCity &city, int rank)
{
    for (Hit &hit : m_hits)
        if (hit.cityKey == city.key) {
            hit.rank = std::min(hit.rank, rank);
            return;
        }
    m_hits.append({rank, city.text, city.key, std::nullopt});
}

void FrmKerkoVendin::showCurrent(int row)
{
    m_choose->setEnabled(row >= 0);
    // An own city's community fixes its calendar.
    m_fields->setEnabled(row < 0 || row >= m_hits.size() || !m_hits[row].cityKey);
}
