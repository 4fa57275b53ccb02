#pragma once

#include <QWidget>

// The start-up picture: frameless, centred, shown for two seconds.
class FrmSplash : public QWidget
{
    Q_OBJECT

public:
    explicit FrmSplash(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
