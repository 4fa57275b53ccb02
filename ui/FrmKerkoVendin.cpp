#include "ui/FrmKerkoVendin.h"

#include "ui/WindowLook.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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
    if (row < 0 || row >= m_ownHits.size())
        return std::nullopt;
    return m_ownHits[row].key;
}

std::optional<WorldPlace> FrmKerkoVendin::chosenPlace() const
{
    const qsizetype row = m_list->currentRow() - m_ownHits.size();
    if (row < 0 || row >= m_placeHits.size())
        return std::nullopt;
    return m_placeHits[row];
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
    m_ownHits.clear();
    for (const OwnCity &city : std::as_const(m_ownCities)) {
        // Before anything is typed, the program's own cities are the list.
        if (folded.isEmpty() || matchRank(foldForSearch(city.text), folded) >= 0)
            m_ownHits.append(city);
    }
    m_placeHits = m_world.search(typed);
    m_list->clear();
    for (const OwnCity &city : std::as_const(m_ownHits))
        m_list->addItem(city.text);
    for (const WorldPlace &place : std::as_const(m_placeHits)) {
        // Our Albanian name beside the one on the place's own signs.
        const QString name = place.name == place.geoNamesName
                                 ? place.name
                                 : QStringLiteral("%1 — %2").arg(place.name, place.geoNamesName);
        m_list->addItem(QStringLiteral("%1 (%2)").arg(name, place.country));
    }
    const bool found = m_list->count() > 0;
    if (!found && !folded.isEmpty()) {
        auto *nothing = new QListWidgetItem(QStringLiteral("Asnjë vend me këtë emër."), m_list);
        nothing->setFlags(Qt::NoItemFlags);
    }
    m_list->setCurrentRow(found ? 0 : -1);
    showCurrent(m_list->currentRow());
}

void FrmKerkoVendin::showCurrent(int row)
{
    m_choose->setEnabled(row >= 0);
    // An own city's community fixes its calendar.
    m_fields->setEnabled(row < 0 || row >= m_ownHits.size());
}
