#include "ProcessWindowDlgQt.h"

#include "ProcessOutputBox.h"

#include "run/ProcessRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include <optional>

namespace {

// A control's place in dialog units of the dialog's own 8-point font, whose four by eight units
// are six by thirteen pixels.
struct CDlgUnits {
    int x;
    int y;
    int cx;
    int cy;
    QRect ToPixels() const { return QRect((x * 6 + 2) / 4, (y * 13 + 4) / 8, (cx * 6 + 2) / 4, (cy * 13 + 4) / 8); }
};

constexpr CDlgUnits kStopBox {2, 1, 17, 10};
constexpr double kStripPointSize = 8;
constexpr CDlgUnits kProgressBox {24, 1, 92, 8};
constexpr CDlgUnits kStatusBox {119, 1, 253, 12};

QString Id(int id)
{
    return QString::number(id);
}

}  // namespace

CProcessWindowDlgQt::CProcessWindowDlgQt(CProcessWindowHost& host, CProcessWindowOwner* pOwner,
                                         std::unique_ptr<ProcessRunner> runner, QWidget* parent)
    : QWidget(parent), m_model(host, pOwner, std::move(runner)), m_pStop(new QPushButton(tr("stop"), this)),
      m_pProgress(new QProgressBar(this)), m_pStatus(new QLineEdit(this)),
      m_pOutput(new CProcessOutputBox(m_model.GetOutput(), this)), m_pInput(new QLineEdit(this)),
      m_pEndInput(new QPushButton(tr("End input"), this))
{
    setObjectName(Id(CProcessWindowDlg::IDD));
    m_pStop->setObjectName(Id(CProcessWindowDlg::IDC_STOP));
    m_pStop->setAutoDefault(false);
    m_pProgress->setObjectName(Id(CProcessWindowDlg::IDC_PROGRESS));
    m_pProgress->setRange(0, CProcessWindowDlg::kProgressMax);
    m_pProgress->setTextVisible(false);
    m_pStatus->setObjectName(Id(CProcessWindowDlg::IDC_STATUS));
    m_pStatus->setReadOnly(true);
    m_pOutput->setObjectName(Id(CProcessWindowDlg::IDC_OUTPUT));
    m_pOutput->setFont(OutputFont(host));
    // What is typed reads as it will show in the output.
    m_pInput->setObjectName("input");
    m_pInput->setFont(m_pOutput->font());
    m_pInput->setPlaceholderText(tr("Input for the running program: Enter sends a line, Ctrl+D ends the input"));
    m_pInput->installEventFilter(this);
    m_pEndInput->setObjectName("endinput");
    m_pEndInput->setAutoDefault(false);
    m_pEndInput->setToolTip(tr("End the program's input (Ctrl+D)"));
    // The strip keeps the small font of the dialog's resource, so that "stop" fits its button.
    QFont stripFont = font();
    stripFont.setPointSizeF(kStripPointSize);
    for (QWidget* control : {static_cast<QWidget*>(m_pStop), static_cast<QWidget*>(m_pStatus),
                             static_cast<QWidget*>(m_pEndInput)})
        control->setFont(stripFont);

    connect(m_pStop, &QPushButton::clicked, this, [this] {
        m_model.OnStop();
        ShowModel();
    });
    connect(m_pOutput, &CProcessOutputBox::lineDoubleClicked, this,
            [this](int nLine) { m_model.OnOutputDoubleClick(nLine); });
    m_tick.setInterval(CProcessWindowDlg::kTickMs);
    connect(&m_tick, &QTimer::timeout, this, &CProcessWindowDlgQt::OnTimer);
    // What a tick leaves follows as soon as the events waiting in between are handled.
    m_more.setSingleShot(true);
    m_more.setInterval(0);
    connect(&m_more, &QTimer::timeout, this, &CProcessWindowDlgQt::ShowMore);
    m_quickLook.setInterval(kQuickLookMs);
    connect(&m_quickLook, &QTimer::timeout, this, [this] {
        m_model.LookForOutput();
        ShowModel();
    });
    connect(m_pEndInput, &QPushButton::clicked, this, [this] {
        m_model.OnEndInput();
        ShowModel();
    });
    // The person may go elsewhere while a run lasts (a debugged program shows its lines in
    // the source windows) and come back to type: the focus goes back to where they came from.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* pOld, QWidget* pNow) {
        if (pNow == m_pInput && pOld != nullptr && !isAncestorOf(pOld))
            m_pFocusBefore = pOld;
    });

    m_model.OnInitDialog();
    ShowModel();
    LayOut();
}

CProcessWindowDlgQt::~CProcessWindowDlgQt()
{
    // The input line lets go of the focus as it goes, when this window is half gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    m_model.OnDestroy({topLeft.x(), topLeft.y(), topLeft.x() + width(), topLeft.y() + height()});
    // The box shows the dialog's text, which goes before the child windows do.
    delete m_pOutput;
}

QFont CProcessWindowDlgQt::OutputFont(const CProcessWindowHost& host)
{
    QFont font(QString::fromStdString(host.GetProcessFontName()));
    font.setStyleHint(QFont::TypeWriter);
    const int nTenths = host.GetProcessFontSize();
    font.setPointSizeF(nTenths > 0 ? nTenths / 10.0 : 9.0);
    return font;
}

void CProcessWindowDlgQt::WatchRun(std::unique_ptr<ProcessRunner> runner, CProcessWindowOwner* pOwner)
{
    show();
    m_model.WatchRun(std::move(runner), pOwner);
    ShowModel();
}

void CProcessWindowDlgQt::OnTimer()
{
    m_model.OnTimer();
    ShowModel();
}

void CProcessWindowDlgQt::ShowLastOutput(const std::string& output)
{
    m_model.ShowLastOutput(output);
    ShowModel();
}

void CProcessWindowDlgQt::SelectOutputLine(int nLine)
{
    if (nLine >= 0)
        m_pOutput->SelectLine(static_cast<std::size_t>(nLine));
}

void CProcessWindowDlgQt::SendInputLine()
{
    if (m_model.OnInputLine(m_pInput->text().toStdString()))
        m_pInput->clear();
    ShowModel();
}

bool CProcessWindowDlgQt::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pInput || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        SendInputLine();
        return true;
    }
    if (key->key() == Qt::Key_D && modifiers == Qt::ControlModifier) {
        m_model.OnEndInput();
        ShowModel();
        return true;
    }
    if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && modifiers == Qt::NoModifier) {
        const std::optional<std::string> line = key->key() == Qt::Key_Up
                                                    ? m_model.OnHistoryUp(m_pInput->text().toStdString())
                                                    : m_model.OnHistoryDown();
        if (line)
            m_pInput->setText(QString::fromStdString(*line));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CProcessWindowDlgQt::ShowMore()
{
    m_model.ShowMore();
    ShowModel();
}

void CProcessWindowDlgQt::ShowModel()
{
    m_pStop->setEnabled(m_model.IsStopEnabled());
    m_pProgress->setValue(m_model.GetProgress());
    const QString status = QString::fromStdString(m_model.GetStatusText());
    if (m_pStatus->text() != status) {
        m_pStatus->setText(status);
        m_pStatus->setCursorPosition(0);
    }
    m_pStatus->setToolTip(QString::fromStdString(m_model.GetCommandLine()));
    if (m_model.GetReplaceCount() != m_nReplacedShown) {
        m_nReplacedShown = m_model.GetReplaceCount();
        m_nLengthShown = m_model.GetShownLength();
        m_pOutput->OnTextReplaced();
    } else if (m_model.GetShownLength() != m_nLengthShown) {
        m_nLengthShown = m_model.GetShownLength();
        m_pOutput->OnTextAppended();
    }
    if (!m_model.IsTimerRunning())
        m_tick.stop();
    else if (!m_tick.isActive())
        m_tick.start();
    if (m_model.HasMoreToShow())
        m_more.start();
    else
        m_more.stop();
    if (m_model.IsAwaitingReply()) {
        if (!m_quickLook.isActive())
            m_quickLook.start();
    } else {
        m_quickLook.stop();
    }

    const bool bInput = m_model.IsInputEnabled();
    if (bInput != m_bInputShown) {
        m_bInputShown = bInput;
        if (bInput) {
            // A run that may read input: what the person types next goes to it. A window not
            // on screen yet (the first run makes it) takes the focus once it is shown.
            m_pFocusBefore = QApplication::focusWidget();
            m_pInput->setEnabled(true);
            if (isVisible())
                m_pInput->setFocus();
            else
                m_bFocusInputWhenShown = true;
        } else if (m_pInput->hasFocus() && m_pFocusBefore != nullptr && m_pFocusBefore != m_pInput) {
            m_pFocusBefore->setFocus();
        }
    }
    m_pInput->setEnabled(bInput);
    m_pEndInput->setEnabled(bInput);
}

void CProcessWindowDlgQt::LayOut()
{
    m_pStop->setGeometry(kStopBox.ToPixels());
    m_pProgress->setGeometry(kProgressBox.ToPixels());
    m_pStatus->setGeometry(kStatusBox.ToPixels());
    const int nInputTop = std::max(kStripHeight, height() - kInputHeight);
    m_pOutput->setGeometry(0, kStripHeight, width(), nInputTop - kStripHeight);
    const int nButtonWidth = std::max(m_pEndInput->sizeHint().width(), 60);
    m_pInput->setGeometry(0, nInputTop, std::max(0, width() - nButtonWidth), kInputHeight);
    m_pEndInput->setGeometry(std::max(0, width() - nButtonWidth), nInputTop, nButtonWidth, kInputHeight);
}

void CProcessWindowDlgQt::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bFocusInputWhenShown && m_pInput->isEnabled())
        m_pInput->setFocus();
    m_bFocusInputWhenShown = false;
}

void CProcessWindowDlgQt::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void CProcessWindowDlgQt::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CProcessWindowDlgQt::closeEvent(QCloseEvent* event)
{
    const CProcessWindowDlg::CloseResult result = m_model.OnClose();
    ShowModel();
    if (result == CProcessWindowDlg::CloseResult::Closes)
        event->accept();
    else
        event->ignore();
}
