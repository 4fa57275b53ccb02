#pragma once

#include <QString>
#include <QtGlobal>

// What the query helpers need of a list or combo box: ordered entries, each
// with a text and a 32-bit item datum, and a selection (-1 for none).
// Setting the selection raises the list's selection event.
class ListControl
{
public:
    virtual ~ListControl() = default;

    virtual void clear() = 0;
    virtual void addItem(const QString &text) = 0;
    virtual void setItemData(int index, qint32 value) = 0;
    virtual qint32 itemData(int index) const = 0;
    virtual QString itemText(int index) const = 0;
    virtual int listCount() const = 0;
    virtual int listIndex() const = 0;
    virtual void setListIndex(int index) = 0;
};
