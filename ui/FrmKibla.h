#pragma once

#include "astronomy/Qibla.h"

#include <QDialog>

// The direction of the Qibla from a city: a drawn compass rose with its
// needle, and the same in words for every reader, "Kibla: 137.9°
// (juglindje), 2 930 km deri në Qabe", counted from true north.
class FrmKibla : public QDialog
{
public:
    FrmKibla(const QString &cityName, const Qibla::Direction &direction, QWidget *parent = nullptr);
};
