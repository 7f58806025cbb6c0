#include "FunctionList.h"

CFunctionList::CFunctionList(QWidget* parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(48);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setMaxVisibleItems(20);
}

void CFunctionList::showPopup()
{
    emit aboutToOpen();
    QComboBox::showPopup();
}
