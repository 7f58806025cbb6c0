#include "JprScanVerbs.h"

#include "ToolProjectHost.h"

#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "project/JavaProjectDoc.h"
#include "project/JavaScanner.h"

#include <ostream>

namespace {

// An entry on one line: the characters that would break the line or the columns are escaped.
std::string Escaped(const std::string& entry)
{
    std::string out;
    for (const char c : entry) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

// A source window holds the file's bytes as they are, so the positions are byte offsets into
// the file itself, whatever its line ends.
int RunClasses(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: ondrik-jpr classes FILE.java\n";
        return 2;
    }
    const FileIo::FileReadResult file = FileIo::ReadWholeFile(args[0]);
    if (file.status != FileIo::FileStatus::Ok) {
        err << "ondrik-jpr: cannot read " << args[0] << "\n";
        return 1;
    }
    CJavaScanner scanner;
    scanner.ScanSource(file.bytes, nullptr, args[0]);
    const auto& entries = scanner.GetEntries();
    const auto& positions = scanner.GetEntryPositions();
    for (std::size_t i = 0; i < entries.size(); ++i)
        out << positions[i] << '\t' << Escaped(entries[i]) << '\n';
    return 0;
}

int RunRescan(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: ondrik-jpr rescan PROJECT.jpr\n";
        return 2;
    }
    // Files move along with the project relative to its folder, so the project needs its full path.
    const std::string projectPath = Paths::Absolute(args[0]);
    CToolProjectHost host(err);
    CJavaProjectDoc doc(host);
    if (!doc.OnOpenDocument(projectPath))
        return 1;
    doc.SetPathName(projectPath);
    bool bAllRead = true;
    // Each file is found as the project window finds it: by name, moved along with the project.
    std::vector<std::string> names;
    for (int i = 0; i < doc.GetJavaFiles().GetCount(); ++i)
        names.push_back(doc.GetJavaFiles().GetAt(i)->GetName());
    for (const std::string& name : names) {
        const std::string path = doc.GetFilePath(name);
        const FileIo::FileReadResult file = FileIo::ReadWholeFile(path);
        if (file.status != FileIo::FileStatus::Ok) {
            err << "ondrik-jpr: cannot read " << path << "; its classes stay as stored\n";
            bAllRead = false;
            continue;
        }
        CJavaScanner scanner;
        scanner.ScanSource(file.bytes, &doc, path);
    }
    if (!doc.OnSaveDocument(projectPath))
        return 1;
    return bAllRead ? 0 : 1;
}
