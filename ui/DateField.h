#pragma once

#include <QDateEdit>

// A date field that takes a typed figure wherever the cursor stands: the
// figure replaces the part of the date (day, month or year) under the
// cursor, as if that part had been selected first.
class DateField : public QDateEdit
{
    Q_OBJECT

public:
    using QDateEdit::QDateEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
