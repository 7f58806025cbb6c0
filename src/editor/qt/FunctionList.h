#pragma once

#include <QComboBox>

// The drop-down of a Java window's functions, in the order the scanner found them. It says when
// it is about to open, so the list can be brought up to date first; it never takes the keyboard
// focus from the text.
class CFunctionList : public QComboBox {
    Q_OBJECT
public:
    explicit CFunctionList(QWidget* parent = nullptr);

    void showPopup() override;

signals:
    void aboutToOpen();
};
