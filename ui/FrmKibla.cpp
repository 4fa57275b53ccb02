#include "ui/FrmKibla.h"

#include "ui/QiblaRose.h"
#include "ui/WindowLook.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmKibla::FrmKibla(const QString &cityName, const Qibla::Direction &direction, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmKibla"));
    setWindowTitle(QStringLiteral("Kibla: %1").arg(cityName));
    fillBackground(this, Qt::white);
    const QString text = Qibla::text(direction);

    auto *rose = new QiblaRose(direction.bearing, this);
    rose->setAccessibleName(QStringLiteral("Busulla e kiblës"));
    rose->setAccessibleDescription(text);
    auto *words = new QLabel(text, this);
    words->setObjectName(QStringLiteral("LblKibla"));
    words->setAlignment(Qt::AlignCenter);
    // A magnetic compass points some degrees off true north, by place and year.
    auto *north = new QLabel(
        QStringLiteral("Gradët numërohen nga veriu i vërtetë, jo nga ai i busullës magnetike."),
        this);
    north->setWordWrap(true);
    north->setAlignment(Qt::AlignCenter);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Mbyll"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rose, 1);
    layout->addWidget(words);
    layout->addWidget(north);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}
