#pragma once

#include "framework/qt/View.h"

class CJavaProjectDoc;
class QLabel;

// The project's properties form: what the project builds and runs with.
class CProjectFormView : public CView {
    Q_OBJECT
public:
    explicit CProjectFormView(CJavaProjectDoc& doc, QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    void OnUpdate() override;

private:
    CJavaProjectDoc* Project() const;

    QLabel* m_pMainJavaFile;
    QLabel* m_pMainHtmlFile;
    QLabel* m_pJavaSwitches;
    QLabel* m_pJavacSwitches;
    QLabel* m_pFiles;
};
