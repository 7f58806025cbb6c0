#include "TextWindows.h"

#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/qt/View.h"

namespace TextWindows {

void RefreshWholeText(CDocument& doc)
{
    // The windows of a document share its text and its colours: the first one does it for all.
    for (CDocumentObserver* observer : doc.GetObservers()) {
        if (auto* view = dynamic_cast<CView*>(observer)) {
            view->RunCommand(Cmd::ID_VIEW_SYNTAXCOLOUR);
            view->RunCommand(Cmd::ID_EDIT_REFRESHFUNCTIONS);
            return;
        }
    }
}

}  // namespace TextWindows
