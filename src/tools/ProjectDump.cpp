#include "ProjectDump.h"

#include "project/JavaClass.h"
#include "project/JavaProjectDoc.h"

#include <cstdio>

namespace ProjectDump {

namespace {

void DumpClass(std::string& out, const CJavaClass& javaClass, const std::string& indent, const char* label)
{
    out += indent + label + " " + Quote(javaClass.GetName()) + "\n";
    for (const auto& method : javaClass.GetMethods())
        out += indent + "  Method " + Quote(method) + "\n";
    const CJavaClassList& inner = javaClass.GetInnerClasses();
    for (int i = 0; i < inner.GetCount(); ++i)
        DumpClass(out, *inner.GetAt(i), indent + "  ", "Inner class");
}

void DumpEntry(std::string& out, const CVelmarFile& file)
{
    out += "  " + Quote(file.GetName()) + "\n";
    out += "    Path: " + Quote(file.GetPath()) + "\n";
    out += "    Project path: " + Quote(file.GetProjectPath()) + "\n";
}

}  // namespace

std::string Quote(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(c));
                out += hex;
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string Dump(const CJavaProjectDoc& doc)
{
    std::string out;
    out += "Main Java file: " + Quote(doc.GetMainJavaFile()) + "\n";
    out += "Main HTML file: " + Quote(doc.GetMainHtmlFile()) + "\n";
    out += "Java switches: " + Quote(doc.GetJavaSwitches()) + "\n";
    out += "Javac switches: " + Quote(doc.GetJavacSwitches()) + "\n";
    out += "Main class package: " + Quote(doc.GetMainPackage()) + "\n";
    out += "Main folder: " + Quote(doc.GetMainFolder()) + "\n";
    const CJavaFileList& javaFiles = doc.GetJavaFiles();
    out += "Java files: " + std::to_string(javaFiles.GetCount()) + "\n";
    for (int i = 0; i < javaFiles.GetCount(); ++i) {
        const CJavaFile& file = *javaFiles.GetAt(i);
        DumpEntry(out, file);
        out += "    Extra: " + Quote(file.GetExtra()) + "\n";
        const CJavaClassList& classes = file.GetClasses();
        for (int c = 0; c < classes.GetCount(); ++c)
            DumpClass(out, *classes.GetAt(c), "    ", "Class");
    }
    const CVelmarFileList& plainFiles = doc.GetPlainFiles();
    out += "Plain files: " + std::to_string(plainFiles.GetCount()) + "\n";
    for (int i = 0; i < plainFiles.GetCount(); ++i)
        DumpEntry(out, *plainFiles.GetAt(i));
    return out;
}

}  // namespace ProjectDump
