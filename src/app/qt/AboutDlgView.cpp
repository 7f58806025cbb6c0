#include "AboutDlgView.h"

#include "AppIcons.h"

#include "app/AboutDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CAboutDlgView::CAboutDlgView(CAboutDlg& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(QString::fromStdString(m_model.DialogName()));
    auto* layout = new QGridLayout(this);
    auto* picture = new QLabel(this);
    picture->setPixmap(AppIcons::ProductPicture());
    picture->setAlignment(Qt::AlignTop);
    layout->addWidget(picture, 0, 0, 4, 1);
    auto* product = new QLabel(QString::fromStdString(CAboutDlg::ProductLine()), this);
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    layout->addWidget(product, 0, 1);
    layout->addWidget(new QLabel("An IDE for the Java Development Kit.", this), 1, 1);
    auto* site = new QLabel(CAboutDlg::kWebSite, this);
    site->setObjectName("WebSite");
    site->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(site, 2, 1);
    auto* jdk = new QLabel("JDK folder: " + QString::fromStdString(m_model.GetJavaBin()), this);
    jdk->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(jdk, 3, 1);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_pVisit = box->addButton("Visit Web Site", QDialogButtonBox::ActionRole);
    layout->addWidget(box, 4, 0, 1, 2);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_pVisit, &QPushButton::clicked, this, [this] { m_model.OnVisitWebSite(); });
}

int CAboutDlgView::Show(CAboutDlg& model, QWidget* owner)
{
    CAboutDlgView view(model, owner);
    return view.exec() == QDialog::Accepted ? kIdOk : kIdCancel;
}
