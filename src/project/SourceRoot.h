#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the JDK's tools work on a Java source: a source that declares a package lies in the
// package's folders under its source root ("a.b.c" in ".../a/b/c"), and javac, java, jdb and jar
// find the other packages from that root. A source without a package is worked on in its folder.
struct CSourceRoot {
    std::string strPath;          // the source's full path
    std::string strRoot;          // the folder the tools work in
    std::string strRelativePath;  // the source from there: "a/b/c/Main.java", or "Main.java"
    std::string strPackage;       // "a.b.c", or ""
    std::string strClassName;     // the class the file is named for: "a.b.c.Main", or "Main"
};

namespace SourceRoot {

// The package a Java source declares: the name of the first "package NAME;" outside comments,
// before anything else is declared; "" when there is none.
std::string ReadPackage(std::string_view text);

// The source at path, declaring package ("" for none): where its tools work and the names they
// give it. Nothing when the package is not empty and the source's folder does not end with the
// package's folders.
std::optional<CSourceRoot> Find(const std::string& path, const std::string& package);

// What a user is told when Find gives nothing: the file, its package and its folder.
std::string MismatchMessage(const std::string& path, const std::string& package);

// The folders under root, by their paths from root ("a/b/c"), that hold class files and that
// could be packages: every part of their path is a Java name. In byte order.
std::vector<std::string> PackageFoldersWithClasses(const std::string& root);

}  // namespace SourceRoot
