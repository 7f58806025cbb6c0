#include "JavaOptionsPageView.h"

#include "PrefsQt.h"

#include "prefs/JavaOptionsPage.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using PrefsQt::FromQt;
using PrefsQt::ToQt;

namespace {

QLineEdit* AddGroup(QVBoxLayout& layout, const char* title, const char* label, const char* id, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* groupLayout = new QVBoxLayout(group);
    auto* text = new QLabel(label, group);
    text->setWordWrap(true);
    groupLayout->addWidget(text);
    auto* field = new QLineEdit(group);
    field->setObjectName(id);
    groupLayout->addWidget(field);
    layout.addWidget(group);
    return field;
}

}  // namespace

CJavaOptionsPageView::CJavaOptionsPageView(CJavaOptionsPage& model, QWidget* parent)
    : CPrefsPageView(parent), m_model(model)
{
    auto* layout = new QVBoxLayout(this);
    m_pJavaOptions = AddGroup(*layout, "Default Java (Run) Options",
                              "Enter default switches for the Java runner to use. You can edit these settings for "
                              "each project in the Project Window.",
                              "1007", this);
    m_pJavac = AddGroup(*layout, "Default Javac (Compile) Options",
                        "Enter switches for the Java compiler to use. You can edit these settings for each project "
                        "in the Project Window.",
                        "1008", this);
    layout->addStretch();
    const CJavaOptionsPage::CControls controls = m_model.ToControls();
    m_pJavaOptions->setText(ToQt(controls.strJavaOptions));
    m_pJavac->setText(ToQt(controls.strJavac));
}

bool CJavaOptionsPageView::OnKillActive()
{
    m_model.FromControls({FromQt(m_pJavaOptions->text()), FromQt(m_pJavac->text())});
    return true;
}
