#pragma once

#include "data/CalendarConnection.h"
#include "prayer/CityStore.h"

#include <QDialog>

#include <array>
#include <functional>

class PlaceMethodFields;
class QLabel;
class QPushButton;
class QSpinBox;

// "Sipas xhamisë": how a place's times follow the user's own mosque:
// minutes added to each of the seven times, and the mosque's printed yearly
// table imported from a file. Each change is stored at once, in one
// transaction with the rows when the place is the selected one, and told.
class FrmXhamia : public QDialog
{
    Q_OBJECT

public:
    // Shows a message; the window stays open.
    using Message = std::function<void(const QString &text, bool problem)>;
    // Asks for the table's file; empty: none chosen.
    using FileChoice = std::function<QString()>;
    // Asks whether the question's answer is yes.
    using Confirmation = std::function<bool(const QString &question)>;

    FrmXhamia(qint32 cityKey, const QString &cityName, CalendarConnection &connection,
              QWidget *parent = nullptr);

    void setMessage(Message message) { m_message = std::move(message); }
    void setFileChoice(FileChoice choice) { m_fileChoice = std::move(choice); }
    void setConfirmation(Confirmation confirmation) { m_confirmation = std::move(confirmation); }

    // Imports the table in the file; tells the user what came of it.
    void importTable(const QString &path);

Q_SIGNALS:
    // The place's times changed: its rows were written anew.
    void timesChanged();

private:
    void saveMethod();
    void saveMinutes();
    void removeTable();
    void showTable();
    // Runs a store, telling the user when it was refused; false then.
    bool stored(const std::function<void()> &store);

    qint32 m_cityKey;
    CalendarConnection &m_connection;
    CityStore m_store;
    Message m_message;
    FileChoice m_fileChoice;
    Confirmation m_confirmation;
    PlaceMethodFields *m_method = nullptr; // a place of the world's own; none for the list's
    std::array<QSpinBox *, 7> m_minutes{};
    QLabel *m_table;
    QPushButton *m_removeTable;
};
