#include "SourceKeyFilter.h"

#include "editor/SourceEditing.h"
#include "editor/TextModel.h"

#include <Qsci/qsciscintilla.h>

#include <QKeyEvent>

CSourceKeyFilter::CSourceKeyFilter(QsciScintilla& editor, CTextModel& text, std::function<std::string()> tabUnit)
    : QObject(&editor), m_editor(editor), m_text(text), m_tabUnit(std::move(tabUnit))
{
    m_editor.installEventFilter(this);
}

bool CSourceKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_editor || event->type() != QEvent::KeyPress || m_editor.isReadOnly())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // With Ctrl or Alt these keys are someone else's: window switching, accelerators.
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0)
        return false;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        SourceEditing::TypeTab(m_text, key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier) != 0,
                               m_tabUnit());
        m_editor.ensureCursorVisible();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // The editor makes the new line as it always does; its indentation follows as one
        // more step.
        static_cast<QObject&>(m_editor).event(event);
        SourceEditing::AutoIndent(m_text);
        m_editor.ensureCursorVisible();
        return true;
    }
    default:
        return false;
    }
}
