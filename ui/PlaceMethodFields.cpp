#include "ui/PlaceMethodFields.h"

#include "astronomy/PlaceCalendar.h"

#include <QComboBox>
#include <QFormLayout>

namespace {

QComboBox *makeCombo(QWidget *parent, const QString &name,
                     const PlaceMethodFields::Choices &choices)
{
    auto *combo = new QComboBox(parent);
    combo->setAccessibleName(name);
    for (const auto &[id, title] : choices)
        combo->addItem(title, id);
    return combo;
}

void selectData(QComboBox *combo, const QVariant &data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

PlaceMethodFields::PlaceMethodFields(const Choices &methods, const Choices &highLatitudeRules,
                                     QWidget *parent)
    : QWidget(parent)
{
    m_method = makeCombo(this, QStringLiteral("Metoda"), methods);
    m_highLatitude =
        makeCombo(this, QStringLiteral("Gjerësitë e larta"),
                  Choices{{QString(), QStringLiteral("Sipas metodës")}} + highLatitudeRules);
    m_asr = makeCombo(this, QStringLiteral("Asri"), {});
    m_asr->addItem(QStringLiteral("Standard (një hije)"), 1);
    m_asr->addItem(QStringLiteral("Hanefi (dy hije)"), 2);

    auto *form = new QFormLayout(this);
    form->setContentsMargins({});
    form->addRow(QStringLiteral("&Metoda:"), m_method);
    form->addRow(QStringLiteral("&Gjerësitë e larta:"), m_highLatitude);
    form->addRow(QStringLiteral("&Asri:"), m_asr);
}

PlaceMethodFields::Choices PlaceMethodFields::methodChoices()
{
    Choices choices;
    for (const QString &name : PlaceCalendar::methodNames())
        choices << qMakePair(name, PlaceCalendar::methodTitle(name));
    return choices;
}

PlaceMethodFields::Choices PlaceMethodFields::highLatitudeChoices()
{
    Choices choices;
    for (const QString &name : PlaceCalendar::highLatitudeRules())
        choices << qMakePair(name, PlaceCalendar::highLatitudeTitle(name));
    return choices;
}

QString PlaceMethodFields::method() const
{
    return m_method->currentData().toString();
}

QString PlaceMethodFields::highLatitude() const
{
    return m_highLatitude->currentData().toString();
}

int PlaceMethodFields::asrShadow() const
{
    return m_asr->currentData().toInt();
}

void PlaceMethodFields::setChoice(const QString &method, const QString &highLatitude, int asrShadow)
{
    selectData(m_method, method);
    selectData(m_highLatitude, highLatitude);
    selectData(m_asr, asrShadow);
}
