#pragma once

#include <QLineEdit>

// A read-only field that shows a file's name whole where it fits; a longer
// one keeps both its ends with an ellipsis in the middle, and the whole name
// is its tip and its description for screen readers.
class NameField : public QLineEdit
{
    Q_OBJECT

public:
    explicit NameField(QWidget *parent = nullptr);

    void setName(const QString &name);
    const QString &name() const { return m_name; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showName();

    QString m_name;
};
