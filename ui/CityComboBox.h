#pragma once

#include "data/ListControl.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// A simple combo box: an edit field above a list that is always open. The
// entries keep the order they were added in, each with a 32-bit item datum.
// The edit field shows the selected entry; typing into it selects the first
// entry that begins with the typed text (ignoring case), or none.
class CityComboBox : public QWidget, public ListControl
{
    Q_OBJECT

public:
    explicit CityComboBox(QWidget *parent = nullptr);

    void clear() override;
    void addItem(const QString &text) override;
    void setItemData(int index, qint32 value) override;
    qint32 itemData(int index) const override;
    QString itemText(int index) const override;
    int listCount() const override;
    int listIndex() const override;
    // Selects the entry (-1: none) and raises clicked(), even when the
    // selection does not change; an index outside the list throws.
    void setListIndex(int index) override;

Q_SIGNALS:
    // The selection was set, by the user (list, arrow keys, typing) or by code.
    void clicked();
    // An entry of the list was double-clicked.
    void doubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QListWidgetItem *entry(int index) const; // throws outside the list
    void selectRow(int index);
    void showSelectedText();
    void selectByTyping(const QString &text);
    void moveSelection(int steps);
    int rowsPerPage() const;

    QLineEdit *m_edit;
    QListWidget *m_list;
};
