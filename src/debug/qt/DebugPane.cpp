#include "DebugPane.h"

#include "debug/DebugController.h"

#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int kRowRole = Qt::UserRole + 1;
constexpr int kValueWidth = 170;
enum Column { kName, kValue, kType };

}  // namespace

CDebugPane::CDebugPane(CDebugBarModel& model, CDebugController& controller, QWidget* parent)
    : QWidget(parent), m_model(model), m_controller(controller), m_pStatus(new QLabel(this)),
      m_pStack(new QTreeWidget(this)), m_pVariables(new QTreeWidget(this))
{
    setObjectName("DebugPane");
    m_pStatus->setObjectName("status");
    m_pStatus->setWordWrap(true);
    m_pStatus->setContentsMargins(4, 2, 4, 2);
    m_pStack->setObjectName("stack");
    m_pStack->setHeaderLabels({tr("Call Stack")});
    m_pStack->setRootIsDecorated(false);
    m_pStack->setUniformRowHeights(true);
    m_pVariables->setObjectName("variables");
    m_pVariables->setHeaderLabels({tr("Name"), tr("Value"), tr("Type")});
    m_pVariables->setUniformRowHeights(true);
    // A box or a collection says its value or size after its type: both ends stay in sight.
    m_pVariables->setTextElideMode(Qt::ElideMiddle);
    m_pVariables->header()->setStretchLastSection(true);
    // Names are short and wanted whole; a value takes what room is left before its type.
    m_pVariables->header()->setSectionResizeMode(kName, QHeaderView::ResizeToContents);
    m_pVariables->setColumnWidth(kValue, kValueWidth);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_pStack);
    splitter->addWidget(m_pVariables);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_pStatus);
    layout->addWidget(splitter, 1);

    connect(m_pStack, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { m_controller.SelectFrame(m_pStack->indexOfTopLevelItem(item)); });
    connect(m_pVariables, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        if (!m_bFilling)
            m_controller.ExpandRow(item->data(kName, kRowRole).toInt());
    });
    connect(m_pVariables, &QTreeWidget::itemCollapsed, this,
            [this](QTreeWidgetItem* item) { m_controller.CollapseRow(item->data(kName, kRowRole).toInt()); });

    m_model.SetObserver(this);
    OnStackShown();
    OnVariablesShown();
}

CDebugPane::~CDebugPane()
{
    m_model.SetObserver(nullptr);
}

void CDebugPane::OnStackShown()
{
    m_pStatus->setText(QString::fromStdString(m_model.Status()));
    m_pStack->clear();
    const auto& frames = m_model.Frames();
    for (std::size_t i = 0; i < frames.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_pStack, {QString::fromStdString(CDebugBarModel::FrameText(frames[i]))});
        if (static_cast<int>(i) == m_model.SelectedFrame()) {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
            m_pStack->setCurrentItem(item);
        }
    }
    ShowStale();
}

void CDebugPane::ShowStale()
{
    // The stack and values of a program that runs again show greyed until the next stop replaces
    // them, and cannot be expanded. Only the rows are: a window that is disabled would pass the
    // keys on to some other window, whatever the person was typing in.
    const bool bStale = !m_model.IsStopped();
    for (QTreeWidget* tree : {m_pStack, m_pVariables}) {
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
            (*it)->setDisabled(bStale);
    }
}

void CDebugPane::OnVariablesShown()
{
    m_pVariables->clear();
    if (m_model.IsStopped() && !m_model.LocalsAvailable())
        new QTreeWidgetItem(m_pVariables, {tr("(no local variables: the class was compiled without -g)")});
    AddRows(nullptr, 0);
    ShowStale();
}

void CDebugPane::OnChildrenShown(int nParent)
{
    if (QTreeWidgetItem* item = ItemOfRow(nParent)) {
        // The placeholder that gave the row its expander goes.
        qDeleteAll(item->takeChildren());
        AddRows(item, nParent);
        const CDebugBarModel::CRow* row = m_model.Row(nParent);
        if (row != nullptr && row->nMore > 0)
            new QTreeWidgetItem(item, {tr("... %1 more").arg(row->nMore)});
        ShowStale();
        if (row != nullptr && m_model.IsKeptExpanded(*row)) {
            m_bFilling = true;
            item->setExpanded(true);
            m_bFilling = false;
        }
    }
}

void CDebugPane::AddRows(QTreeWidgetItem* parent, int nParentRow)
{
    for (const CDebugBarModel::CRow* row : m_model.RowsUnder(nParentRow)) {
        const QStringList texts = {QString::fromStdString(row->variable.strName),
                                   QString::fromStdString(row->variable.strValue),
                                   QString::fromStdString(row->variable.strType)};
        auto* item = parent != nullptr ? new QTreeWidgetItem(parent, texts) : new QTreeWidgetItem(m_pVariables, texts);
        item->setData(kName, kRowRole, row->nId);
        item->setToolTip(kValue, texts[kValue]);
        if (row->bChanged)
            item->setForeground(kValue, QColor(0xC0, 0x00, 0x00));
        if (row->children != CDebugBarModel::ChildState::None)
            item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
}

QTreeWidgetItem* CDebugPane::ItemOfRow(int nId) const
{
    for (QTreeWidgetItemIterator it(m_pVariables); *it != nullptr; ++it) {
        if ((*it)->data(kName, kRowRole).toInt() == nId)
            return *it;
    }
    return nullptr;
}
