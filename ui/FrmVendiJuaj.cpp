#include "ui/FrmVendiJuaj.h"

#include "ui/Fonts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

FrmVendiJuaj::FrmVendiJuaj(const QString &place, const QString &zone, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmVendiJuaj"));
    setWindowTitle(QStringLiteral("Vendi juaj"));
    auto *layout = new QVBoxLayout(this);
    auto *why = new QLabel(
        QStringLiteral("Ora e kompjuterit ndjek zonën kohore %1. Kohët e namazit mund të "
                       "jenë ato të këtij vendi:")
            .arg(zone),
        this);
    why->setWordWrap(true);
    layout->addWidget(why);
    auto *name = new QLabel(place, this);
    name->setObjectName(QStringLiteral("LblVendi"));
    name->setFont(designFont(QStringLiteral("Verdana"), 9.75, true));
    name->setAccessibleDescription(QStringLiteral("Vendi i propozuar"));
    layout->addWidget(name);
    auto *buttons = new QDialogButtonBox(this);
    const auto add = [&](const QString &text, int answer) {
        QPushButton *button = buttons->addButton(text, QDialogButtonBox::ActionRole);
        connect(button, &QPushButton::clicked, this, [this, answer] { done(answer); });
        return button;
    };
    add(QStringLiteral("Zgjidhe"), Zgjidhe)->setDefault(true);
    add(QStringLiteral("Kërko tjetër..."), KerkoTjeter);
    add(QStringLiteral("Jo tani"), JoTani);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
