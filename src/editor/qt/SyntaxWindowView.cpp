#include "SyntaxWindowView.h"

#include "editor/SyntaxWindowDoc.h"
#include "framework/CommandIds.h"
#include "project/JavaProjectDoc.h"
#include "run/ProjectRunCommands.h"

CSyntaxWindowView::CSyntaxWindowView(CSyntaxWindowDoc& doc, QWidget* parent) : CTextEditView(doc, parent)
{
    OnCommand(Cmd::ID_BUILD_COMPILE, [this] { OnCompile(); });
}

void CSyntaxWindowView::OnCompile()
{
    auto* doc = static_cast<CSyntaxWindowDoc*>(GetDocument());
    CJavaProjectDoc* project = doc != nullptr ? doc->GetOpenProject() : nullptr;
    if (project == nullptr)
        return;
    if (CProjectRunCommands* commands = CProjectRunCommands::Of(*project))
        commands->CompileSourceWindow(doc->GetPathName());
}
