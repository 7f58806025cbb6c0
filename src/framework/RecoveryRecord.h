#pragma once

#include "platform/FileStamp.h"

#include <optional>
#include <string>
#include <string_view>

// What a recovery file holds of one document with unsaved changes: enough to open it again as
// it was. The layout is a first line naming the format, then one field a line, each string
// written as its length in bytes, a colon and the bytes, so paths and titles may hold any
// byte; the text comes last and runs to the end of the file:
//
//     Ondrik recovery 1
//     type 12:JavaDocument
//     path 17:/home/u/Hi.java
//     title 7:Hi.java
//     stamp 1 2049 1835 120 1700000000123456789
//     text 120:class Hi ...
//
// The stamp is the file's as the document last read or wrote it (exists, device, inode, size,
// modification time in nanoseconds); "stamp 0" for none.
struct CRecoveryRecord {
    std::string strDocType;  // the document type's name
    std::string strPath;     // "" for a document never saved
    std::string strTitle;
    CFileStamp fileStamp;
    std::string strText;

    // The file's bytes, with text as the document's text (strText is not used): the text is
    // copied once, straight into place.
    std::string Encode(std::string_view text) const;
    // The same into out, whose memory is used again where it is large enough.
    void EncodeInto(std::string& out, std::string_view text) const;
    // Nothing unless bytes hold exactly one whole record.
    static std::optional<CRecoveryRecord> Decode(std::string_view bytes);
};
