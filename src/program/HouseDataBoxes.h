#pragma once

class QComboBox;
class QLineEdit;

// The house data boxes of the Client Survey page, which the house leakage calculation reads
// and the stories check watches.
struct HouseDataBoxes
{
    QLineEdit* livingArea = nullptr;
    QComboBox* stories = nullptr;
    QLineEdit* ceilingHeight = nullptr;
    QLineEdit* bedrooms = nullptr;
};
