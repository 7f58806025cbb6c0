#include "FontListQt.h"

#include "PrefsQt.h"

#include "prefs/FontFamilyList.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace FontListQt {

void Fill(QComboBox& list, const std::string& storedName)
{
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(PrefsQt::FromQt(family));
    const std::vector<std::string> items = CFontFamilyList(std::move(families)).SortedNames();
    list.clear();
    for (const std::string& item : items)
        list.addItem(PrefsQt::ToQt(item));
    list.setCurrentIndex(CFontFamilyList::FindPrefix(items, storedName));
}

QLineEdit* MakeSizeField(const QString& objectName, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setAlignment(Qt::AlignRight);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    field->setMaximumWidth(60);
    return field;
}

}  // namespace FontListQt
