#include "JprVerbs.h"

#include "ProjectDump.h"
#include "ToolProjectHost.h"

#include "project/JavaProjectDoc.h"

#include <ostream>

int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "usage: ondrik-jpr dump FILE\n";
        return 2;
    }
    CToolProjectHost host(err);
    CJavaProjectDoc doc(host);
    if (!doc.OnOpenDocument(args[0]))
        return 1;
    out << ProjectDump::Dump(doc);
    return 0;
}

int RunRoundtrip(const std::vector<std::string>& args, std::ostream&, std::ostream& err)
{
    if (args.size() != 2) {
        err << "usage: ondrik-jpr roundtrip FILE OUT\n";
        return 2;
    }
    CToolProjectHost host(err);
    CJavaProjectDoc doc(host);
    if (!doc.OnOpenDocument(args[0]))
        return 1;
    return doc.OnSaveDocument(args[1]) ? 0 : 1;
}
