#pragma once

#include "data/CalendarConnection.h"
#include "prayer/CityStore.h"

#include <QDialog>

#include <functional>
#include <optional>

class AutoSizeLabel;
class CityComboBox;
class QPushButton;

// The city selection window: lists the cities, shows the minute offset of the
// entry under the cursor and stores the chosen city. Built afresh for every
// opening; the main window shows it modal.
class FrmQytetet : public QDialog
{
    Q_OBJECT

public:
    // Shows a short message and returns; the window stays open.
    using Warning = std::function<void(const QString &text)>;

    // mainCityCaption: the main window's city label, used to pre-select.
    explicit FrmQytetet(const QString &mainCityCaption,
                        CalendarConnection &connection = CalendarConnection::shared(),
                        QWidget *parent = nullptr);

    // Replaces the message box for a choice that cannot be stored.
    void setWarning(Warning warning) { m_warning = std::move(warning); }
    // "Kërko vendin...": the search; a place chosen there is stored and closes this window.
    void CmdKerko_Click();

Q_SIGNALS:
    // The window has closed through "Aktivoje" or "Kthehu"; the main window
    // makes itself visible, and its activation reads the stored city.
    void showMainWindowRequested();
    // The mosque's window changed the selected place's times: the main
    // window shows them at once.
    void timesChanged();

private:
    void Form_Load(const QString &mainCityCaption);
    void CmbQyteti_Click();
    void CmbQyteti_DblClick();
    void CmdAktivoje_Click();
    void CmdKthehu_Click();
    void CmdXhamia_Click();
    // The Qibla from the entry chosen in the list.
    void CmdKibla_Click();
    // Takes the picked place off the list, after asking.
    void CmdHiqVendin_Click();
    // Only a place the user added, and not the selected one, can be removed.
    void enableRemoval();
    // The entry picked in the list; none (after telling the user) when none is.
    std::optional<int> pickedIndex();
    // Stores the selected entry; false (after telling the user) when nothing
    // could be stored.
    bool MbusheBazenMeTeDhenatEReja();

    CalendarConnection &m_connection;
    CityStore m_store;
    Warning m_warning;
    CityComboBox *m_cmbQyteti;
    QPushButton *m_cmdAktivoje;
    QPushButton *m_cmdKthehu;
    QPushButton *m_cmdXhamia;
    QPushButton *m_cmdKerko;
    QPushButton *m_cmdKibla;
    QPushButton *m_cmdHiqVendin;
    qint32 m_selectedKey = 0; // the place selected when the window opened
    AutoSizeLabel *m_lblMinuta;
};
