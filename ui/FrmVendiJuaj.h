#pragma once

#include <QDialog>

// The first start's proposal of the place the computer's time zone names:
// the place, "Zgjidhe", "Kërko tjetër..." and "Jo tani". exec() returns the
// answer.
class FrmVendiJuaj : public QDialog
{
    Q_OBJECT

public:
    enum Answer { JoTani = QDialog::Rejected, Zgjidhe = QDialog::Accepted, KerkoTjeter };

    FrmVendiJuaj(const QString &place, const QString &zone, QWidget *parent = nullptr);
};
