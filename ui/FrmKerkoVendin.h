#pragma once

#include "data/WorldPlaces.h"
#include "ui/PlaceMethodFields.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QListWidget;

// Finds a place by name: first among the program's own cities, then among
// the world's places, whose times are computed by the method chosen below.
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

    const WorldPlaces &m_world;
    QList<OwnCity> m_ownCities;
    QList<OwnCity> m_ownHits; // the rows above the world's
    QList<WorldPlace> m_placeHits;
    QLineEdit *m_field;
    QListWidget *m_list;
    PlaceMethodFields *m_fields;
    QPushButton *m_choose;
};
