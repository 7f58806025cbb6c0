#include "DocManager.h"

#include "DocWindowHost.h"
#include "MDIChildWnd.h"
#include "View.h"

#include "framework/DocTemplate.h"
#include "framework/Document.h"
#include "framework/DocumentListObserver.h"
#include "platform/Paths.h"

#include <algorithm>

CDocManager::CDocManager(CUi& ui) : m_ui(ui) {}

CDocManager::~CDocManager()
{
    // Views must forget their documents before the documents go.
    for (auto& [doc, frames] : m_frames) {
        for (auto& frame : frames) {
            if (frame)
                frame->DetachDocument();
        }
    }
}

CDocTemplate& CDocManager::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate)
{
    m_templates.push_back(std::move(docTemplate));
    return *m_templates.back();
}

std::vector<CDocTemplate*> CDocManager::GetTemplates() const
{
    std::vector<CDocTemplate*> templates;
    for (const auto& t : m_templates)
        templates.push_back(t.get());
    return templates;
}

CDocument* CDocManager::Adopt(std::unique_ptr<CDocument> doc, CDocTemplate& docTemplate)
{
    doc->SetDocTemplate(&docTemplate);
    doc->SetOwner(this);
    m_documents.push_back(std::move(doc));
    return m_documents.back().get();
}

CDocument* CDocManager::OpenDocumentFile(const std::string& path)
{
    const std::string fullPath = Paths::Absolute(path);
    for (const auto& doc : m_documents) {
        if (doc->GetPathName() == fullPath) {
            ActivateFrame(*doc);
            return doc.get();
        }
    }
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestConfidence = CDocTemplate::noAttempt;
    for (const auto& t : m_templates) {
        const auto confidence = t->MatchExtension(fullPath);
        if (confidence > bestConfidence) {
            best = t.get();
            bestConfidence = confidence;
        }
    }
    if (best == nullptr)
        return nullptr;

    std::unique_ptr<CDocument> doc = best->CreateDocument();
    if (!doc->OnOpenDocument(fullPath))
        return nullptr;
    doc->SetPathName(fullPath);
    CDocument* opened = Adopt(std::move(doc), *best);
    CreateFrame(*opened);
    AddToRecentFileList(fullPath);
    for (CDocumentListObserver* observer : m_listObservers)
        observer->OnDocumentOpened(*opened);
    return opened;
}

CDocument* CDocManager::OpenNewDocument(CDocTemplate& docTemplate)
{
    std::unique_ptr<CDocument> doc = docTemplate.CreateDocument();
    if (!doc->OnNewDocument())
        return nullptr;
    doc->SetTitle(docTemplate.NextUntitledTitle());
    return AddDocument(std::move(doc), docTemplate);
}

CDocument* CDocManager::AddDocument(std::unique_ptr<CDocument> doc, CDocTemplate& docTemplate)
{
    CDocument* made = Adopt(std::move(doc), docTemplate);
    CreateFrame(*made);
    for (CDocumentListObserver* observer : m_listObservers)
        observer->OnDocumentOpened(*made);
    return made;
}

CMDIChildWnd* CDocManager::CreateFrame(CDocument& doc)
{
    CMDIChildWnd* frame = doc.GetDocTemplate()->CreateFrame(doc);
    if (frame == nullptr)
        return nullptr;
    m_frames[&doc].push_back(frame);
    if (m_pWindowHost != nullptr)
        m_pWindowHost->AddDocWindow(*frame);
    frame->UpdateTitle();
    frame->show();
    if (CView* view = frame->GetActiveView()) {
        view->OnInitialUpdate();
        view->setFocus();
    }
    if (m_pWindowHost != nullptr)
        m_pWindowHost->ActivateDocWindow(*frame);
    for (auto& other : m_frames[&doc]) {
        if (other)
            other->UpdateTitle();
    }
    return frame;
}

CMDIChildWnd* CDocManager::NewWindow(CDocument& doc)
{
    return CreateFrame(doc);
}

bool CDocManager::SaveAllModified()
{
    for (const auto& t : m_templates) {
        for (CDocument* doc : GetDocuments(t.get())) {
            if (!doc->SaveModified())
                return false;
        }
    }
    return true;
}

void CDocManager::SaveAllByType()
{
    for (const auto& t : m_templates) {
        for (CDocument* doc : GetDocuments(t.get())) {
            if (!doc->SaveModified())
                break;
        }
    }
}

void CDocManager::CloseAllDocuments()
{
    while (!m_documents.empty())
        CloseDocument(*m_documents.front());
}

void CDocManager::CloseDocument(CDocument& doc)
{
    doc.OnCloseDocument();
}

bool CDocManager::CanCloseFrame(CMDIChildWnd& frame)
{
    CDocument* doc = frame.GetDocument();
    if (doc == nullptr)
        return true;
    auto& frames = m_frames[doc];
    const auto others = std::count_if(frames.begin(), frames.end(),
                                      [&](const QPointer<CMDIChildWnd>& f) { return f && f != &frame; });
    if (others > 0) {
        frames.erase(std::remove(frames.begin(), frames.end(), &frame), frames.end());
        frame.DetachDocument();
        for (auto& f : frames) {
            if (f)
                f->UpdateTitle();
        }
        return true;
    }
    if (!doc->SaveModified())
        return false;
    m_pClosingFrame = &frame;
    CloseDocument(*doc);
    m_pClosingFrame = nullptr;
    return true;
}

void CDocManager::OnDocumentClosed(CDocument& doc)
{
    for (CDocumentListObserver* observer : m_listObservers)
        observer->OnDocumentClosing(doc);
    const auto it = m_frames.find(&doc);
    if (it != m_frames.end()) {
        for (auto& frame : it->second) {
            if (!frame)
                continue;
            frame->DetachDocument();
            // A frame may be on the call stack (its view's command closed the document), so it
            // leaves the area now and is deleted once control is back in the event loop.
            if (frame != m_pClosingFrame) {
                frame->hide();
                if (m_pWindowHost != nullptr)
                    m_pWindowHost->RemoveDocWindow(*frame);
                frame->deleteLater();
            }
        }
        m_frames.erase(it);
    }
    const auto doomed = std::find_if(m_documents.begin(), m_documents.end(),
                                     [&](const std::unique_ptr<CDocument>& d) { return d.get() == &doc; });
    if (doomed != m_documents.end())
        m_documents.erase(doomed);
}

std::vector<CDocument*> CDocManager::GetDocuments(const CDocTemplate* docTemplate) const
{
    std::vector<CDocument*> docs;
    for (const auto& doc : m_documents) {
        if (docTemplate == nullptr || doc->GetDocTemplate() == docTemplate)
            docs.push_back(doc.get());
    }
    return docs;
}

std::vector<CMDIChildWnd*> CDocManager::FramesOf(const CDocument& doc) const
{
    std::vector<CMDIChildWnd*> frames;
    const auto it = m_frames.find(&doc);
    if (it != m_frames.end()) {
        for (const auto& frame : it->second) {
            if (frame)
                frames.push_back(frame);
        }
    }
    return frames;
}

bool CDocManager::ActivateFrame(const CDocument& doc)
{
    const auto frames = FramesOf(doc);
    if (frames.empty())
        return false;
    CMDIChildWnd* frame = frames.front();
    if (frame->isMinimized())
        frame->showNormal();
    if (m_pWindowHost != nullptr)
        m_pWindowHost->ActivateDocWindow(*frame);
    return true;
}

std::string CDocManager::FrameTitle(const CDocument& doc, const CMDIChildWnd* frame) const
{
    const auto frames = FramesOf(doc);
    if (frames.size() < 2)
        return doc.GetTitle();
    const auto pos = std::find(frames.begin(), frames.end(), frame);
    return doc.GetTitle() + ":" + std::to_string(pos - frames.begin() + 1);
}

void CDocManager::AddToRecentFileList(const std::string& path)
{
    m_recentFiles.Add(path);
    RecentFilesChanged();
}

void CDocManager::AddListObserver(CDocumentListObserver* observer)
{
    m_listObservers.push_back(observer);
}

void CDocManager::RemoveListObserver(CDocumentListObserver* observer)
{
    m_listObservers.erase(std::remove(m_listObservers.begin(), m_listObservers.end(), observer),
                          m_listObservers.end());
}

void CDocManager::RecentFilesChanged()
{
    if (m_pRecentObserver != nullptr)
        m_pRecentObserver->OnRecentFileListChanged(m_recentFiles);
}

void CDocManager::OnDocumentSavedAs(CDocument&, const std::string& path)
{
    AddToRecentFileList(path);
}
