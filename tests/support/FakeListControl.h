#pragma once

#include "data/ListControl.h"

#include <QList>
#include <QPair>

// A list that records what was done to it.
class FakeListControl : public ListControl
{
public:
    void clear() override
    {
        entries.clear();
        selected = -1;
    }
    void addItem(const QString &text) override { entries.append({text, 0}); }
    void setItemData(int index, qint32 value) override { entries[index].second = value; }
    qint32 itemData(int index) const override { return entries.at(index).second; }
    QString itemText(int index) const override { return entries.at(index).first; }
    int listCount() const override { return int(entries.size()); }
    int listIndex() const override { return selected; }
    void setListIndex(int index) override
    {
        selected = index;
        selectionEvents.append(index);
    }

    QList<QPair<QString, qint32>> entries;
    int selected = -1;
    QList<int> selectionEvents;
};
