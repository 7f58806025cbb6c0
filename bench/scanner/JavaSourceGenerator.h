#pragma once

#include <cstddef>
#include <string>

enum class EJavaSource {
    Classic,  // classes and interfaces, strings without braces
    Today,    // also enums, records, generic types, and character literals and text blocks with braces in them
};

// A Java source of about the given size in bytes, the same for the same size on every run:
// classes with comments, fields, inner and anonymous classes and methods with nested blocks,
// lines ended by CR LF as the editor holds them. Its braces balance, so a scan walks all of it.
std::string GenerateJavaSource(std::size_t bytes, EJavaSource kind = EJavaSource::Classic);
