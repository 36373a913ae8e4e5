#pragma once

#include <QComboBox>
#include <QString>

#include <cstdint>

// Fixed lists carry a numeric code in each item's data.
int ComboData(const QComboBox* list);                            // -1: nothing selected
int LocateComboItemData(const QComboBox* list, int value);       // -1: none
int LocateComboText(const QComboBox* list, const QString& text); // exact, case-sensitive
void addComboItem(QComboBox* list, const QString& text, int itemData);

inline double Max(double a, double b)
{
    return a > b ? a : b;
}
