#pragma once

#include "projectwindow/ProjectForm.h"

#include "framework/qt/View.h"

class CJavaProjectDoc;
class QComboBox;
class QLineEdit;
class QPushButton;

// The project's properties form: its name and path, the main Java and HTML files, and the
// switches its runs and compiles use. Every control shows the project afresh on each update.
class CProjectFormView : public CView {
    Q_OBJECT
public:
    explicit CProjectFormView(CJavaProjectDoc& doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate() override;

    QComboBox* GetMainJavaList() const { return m_pMainJava; }
    QComboBox* GetMainHtmlList() const { return m_pMainHtml; }
    QLineEdit* GetMainPackageField() const { return m_pMainPackage; }
    QLineEdit* GetJavaSwitchesEdit() const { return m_pJavaSwitches; }
    QLineEdit* GetJavacSwitchesEdit() const { return m_pJavacSwitches; }
    QPushButton* GetSetJavaButton() const { return m_pSetJava; }
    QPushButton* GetSetJavacButton() const { return m_pSetJavac; }
    QPushButton* GetResetButton() const { return m_pReset; }

private:
    CJavaProjectDoc* Project() const;
    void FillList(QComboBox& list, const std::vector<std::string>& names, int nSelected);
    void OnSetJava();
    void OnSetJavac();
    void OnReset();
    // The project tree runs Remove and Set as Main for the form's keys.
    void ForwardToTree(int id);

    CProjectForm m_form;
    QLineEdit* m_pName;
    QLineEdit* m_pPath;
    QComboBox* m_pMainJava;
    QLineEdit* m_pMainPackage;
    QComboBox* m_pMainHtml;
    QLineEdit* m_pJavaSwitches;
    QPushButton* m_pSetJava;
    QLineEdit* m_pJavacSwitches;
    QPushButton* m_pSetJavac;
    QPushButton* m_pReset;
    bool m_bFilling = false;
};
