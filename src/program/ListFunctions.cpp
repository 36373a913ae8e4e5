#include "ListFunctions.h"

int ComboData(const QComboBox* list)
{
    const int index = list->currentIndex();
    if (index < 0)
        return -1;
    return list->itemData(index).toInt();
}

int LocateComboItemData(const QComboBox* list, int value)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemData(i).toInt() == value)
            return i;
    return -1;
}

int LocateComboText(const QComboBox* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == text)
            return i;
    return -1;
}

void addComboItem(QComboBox* list, const QString& text, int itemData)
{
    list->addItem(text, itemData);
}
