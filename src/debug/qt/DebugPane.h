#pragma once

#include "debug/DebugBarModel.h"

#include <QWidget>

class CDebugController;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The Debug bar's window: a status line, the call stack of the stopped program (a double-click
// or Enter on a frame shows its line and its variables) and the variables of the frame chosen,
// as a tree whose rows ask for their children when first expanded. A value changed since the
// last stop shows in red.
class CDebugPane : public QWidget, private CDebugBarObserver {
    Q_OBJECT
public:
    CDebugPane(CDebugBarModel& model, CDebugController& controller, QWidget* parent = nullptr);
    ~CDebugPane() override;

    QTreeWidget* GetStack() const { return m_pStack; }
    QTreeWidget* GetVariables() const { return m_pVariables; }
    QLabel* GetStatus() const { return m_pStatus; }
    // The row of the variables' tree that shows model row nId; none.
    QTreeWidgetItem* ItemOfRow(int nId) const;

private:
    void OnStackShown() override;
    void OnVariablesShown() override;
    void OnChildrenShown(int nParent) override;
    void AddRows(QTreeWidgetItem* parent, int nParentRow);
    void ShowStale();

    CDebugBarModel& m_model;
    CDebugController& m_controller;
    QLabel* m_pStatus;
    QTreeWidget* m_pStack;
    QTreeWidget* m_pVariables;
    bool m_bFilling = false;  // rows being added expand without asking the controller
};
