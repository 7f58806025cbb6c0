#pragma once

#include "JavaFile.h"
#include "JavaList.h"

// The project's Java source entries.
class CJavaFileList : public CFileList<CJavaFile> {};
