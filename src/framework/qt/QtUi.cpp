#include "QtUi.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace {

QString ToQt(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text)
{
    return text.toUtf8().toStdString();
}

void Prepare(QFileDialog& dialog, const CFileDialogSpec& request)
{
    if (!request.title.empty())
        dialog.setWindowTitle(ToQt(request.title));
    if (!request.defaultExtension.empty())
        dialog.setDefaultSuffix(ToQt(request.defaultExtension));
    const QString filter = CQtUi::QtFilter(request.filter);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    if (!request.initialFolder.empty())
        dialog.setDirectory(ToQt(request.initialFolder));
    if (!request.initialName.empty())
        dialog.selectFile(ToQt(request.initialName));
}

}  // namespace

QString CQtUi::QtFilter(const std::string& filter)
{
    const QStringList parts = ToQt(filter).split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString name = parts[i].trimmed();
        if (name.isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns.trimmed() == "*.*")
            patterns = "*";
        // The description usually shows its patterns already; Qt wants them once, space-separated.
        const qsizetype open = name.lastIndexOf('(');
        if (open > 0 && name.endsWith(')'))
            name = name.left(open).trimmed();
        filters << name + " (" + patterns.trimmed() + ")";
    }
    return filters.join(";;");
}

MsgAnswer CQtUi::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& caption)
{
    QMessageBox box(Owner());
    box.setWindowTitle(ToQt(caption));
    box.setText(ToQt(text));
    if (icon == MsgIcon::None)
        icon = buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgIcon::Warning : MsgIcon::Question;
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return MsgAnswer::Ok;
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    default: return MsgAnswer::Cancel;
    }
}

std::optional<std::vector<std::string>> CQtUi::GetOpenFileNames(const CFileDialogSpec& request)
{
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.allowMultiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles())
        paths.push_back(FromQt(path));
    if (paths.empty())
        return std::nullopt;
    return paths;
}

std::optional<std::string> CQtUi::GetSaveFileName(const CFileDialogSpec& request)
{
    QFileDialog dialog(Owner());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.promptOverwrite);
    Prepare(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return FromQt(dialog.selectedFiles().front());
}

std::optional<std::uint32_t> CQtUi::ChooseColour(std::uint32_t initial)
{
    const QColor start(static_cast<int>(initial & 0xFF), static_cast<int>((initial >> 8) & 0xFF),
                       static_cast<int>((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, Owner());
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<std::uint32_t>(chosen.red()) | (static_cast<std::uint32_t>(chosen.green()) << 8) |
           (static_cast<std::uint32_t>(chosen.blue()) << 16);
}

std::optional<std::string> CQtUi::ChooseFolder(const std::string& title, const std::string& initial)
{
    const QString folder = QFileDialog::getExistingDirectory(Owner(), ToQt(title), ToQt(initial));
    if (folder.isEmpty())
        return std::nullopt;
    return FromQt(folder);
}

QWidget* CQtUi::Owner() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_mainWindow ? m_mainWindow() : nullptr;
}

int CQtUi::DoModal(CModalDialog& dialog)
{
    const auto it = m_views.find(std::type_index(typeid(dialog)));
    // A dialog without a view cannot be confirmed, so nothing follows from it.
    if (it == m_views.end())
        return kIdCancel;
    return it->second(dialog, Owner());
}

void CQtUi::BeginWaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUi::EndWaitCursor()
{
    QApplication::restoreOverrideCursor();
}
