#pragma once

#include <QObject>

#include <functional>
#include <string>

class CTextModel;
class QsciScintilla;

// Tab, Shift+Tab and Enter in a source editor: Tab inserts the window's tab unit or indents
// the selected lines, Shift+Tab outdents them, Enter gives the new line the indentation of the
// one above.
class CSourceKeyFilter : public QObject {
    Q_OBJECT
public:
    // tabUnit gives what one Tab inserts, asked at each press.
    CSourceKeyFilter(QsciScintilla& editor, CTextModel& text, std::function<std::string()> tabUnit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QsciScintilla& m_editor;
    CTextModel& m_text;
    std::function<std::string()> m_tabUnit;
};
