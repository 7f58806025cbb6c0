#pragma once

#include <QString>

#include <string>

class QComboBox;
class QLineEdit;
class QWidget;

// What the two font pages build alike.
namespace FontListQt {

// Fills the list with the families the font database offers, sorted, and selects the stored
// name by its beginning; with no match nothing is selected.
void Fill(QComboBox& list, const std::string& storedName);

// A size field that takes digits only, right-aligned.
QLineEdit* MakeSizeField(const QString& objectName, QWidget* parent);

}  // namespace FontListQt
