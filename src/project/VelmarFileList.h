#pragma once

#include "JavaList.h"
#include "VelmarFile.h"

// The project's plain file entries, in practice its HTML pages.
class CVelmarFileList : public CFileList<CVelmarFile> {};
