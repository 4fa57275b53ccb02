#pragma once

#include <QList>
#include <QPair>
#include <QWidget>

class QComboBox;

// How a place's times are computed: the method, the rule for high
// latitudes and the shadow of the afternoon prayer. The ids and Albanian
// titles come from the caller, the first method being the default.
class PlaceMethodFields : public QWidget
{
    Q_OBJECT
public:
    using Choices = QList<QPair<QString, QString>>; // id, title

    PlaceMethodFields(const Choices &methods, const Choices &highLatitudeRules, QWidget *parent);
    // The methods and rules the program computes, with their titles.
    static Choices methodChoices();
    static Choices highLatitudeChoices();

    QString method() const;
    QString highLatitude() const; // empty: the method's own rule
    int asrShadow() const;        // 1 standard, 2 Hanafi
    // Shows a place's current choice; an unknown id keeps the default.
    void setChoice(const QString &method, const QString &highLatitude, int asrShadow);

private:
    QComboBox *m_method;
    QComboBox *m_highLatitude;
    QComboBox *m_asr;
};
