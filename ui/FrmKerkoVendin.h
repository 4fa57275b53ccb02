#pragma once

#include "data/WorldPlaces.h"
#include "ui/PlaceMethodFields.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;

// Finds a place by name among the program's own cities, by any name people
// write for them, and the world's places, whose times are computed by the
// method chosen below. A whole name or its start comes before a word inside
// a name, an own city before a world's place as good; a world's place that is
// one of the list's towns shows as that town.
class FrmKerkoVendin : public QDialog
{
    Q_OBJECT
public:
    // A city of the program, shown by its own text and found by it.
    struct OwnCity
    {
        QString text;
        qint32 key = 0;
    };

    // The world's places must outlive the window.
    FrmKerkoVendin(const WorldPlaces &world, const QList<OwnCity> &ownCities,
                   const PlaceMethodFields::Choices &methods,
                   const PlaceMethodFields::Choices &highLatitudeRules, QWidget *parent = nullptr);

    // After "Zgjidhe": one of the two holds the choice.
    std::optional<qint32> chosenCityKey() const;
    std::optional<WorldPlace> chosenPlace() const;
    QString method() const { return m_fields->method(); }
    QString highLatitude() const { return m_fields->highLatitude(); }
    int asrShadow() const { return m_fields->asrShadow(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void search(const QString &typed);
    void showCurrent(int row);
    // The own city's row for a hit; its rank becomes the better of the two.
    void addOwnHit(const OwnCity &city, int rank);

    // One row of the list: an own city (key) or a world's place.
    struct Hit
    {
        int rank = 0; // as matchRank gives it
        QString text;
        std::optional<qint32> cityKey;
        std::optional<WorldPlace> place;
    };

    const WorldPlaces &m_world;
    QList<OwnCity> m_ownCities;
    QList<Hit> m_hits; // the list's rows
    QLineEdit *m_field;
    QListWidget *m_list;
    PlaceMethodFields *m_fields;
    QPushButton *m_choose;
};
