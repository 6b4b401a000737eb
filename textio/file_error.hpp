// Why a file was not read or written, or a folder not made: a code with the data its
// words need. The texts module words it in the user's language (texts::fileError).
#pragma once

#include <string>
#include <system_error>

namespace velmora {

// The first part of a text that Windows-1251 cannot hold.
struct Misfit {
    std::string character;  // one UTF-8 character; empty: bytes that are no UTF-8 text
    bool operator==(const Misfit&) const = default;
};

// Why the value of a design field cannot be saved.
struct DesignError {
    enum class Code {
        none,
        misfit,        // the value holds `misfit`
        captures,      // the value holds "later =", which reading would give to `later`
        readsAltered,  // its Windows-1251 bytes would read back as UTF-8, altered
    };
    Code code = Code::none;
    std::string field;  // the field's key
    std::string later;  // the key of the later field (captures)
    Misfit misfit;
    bool operator==(const DesignError&) const = default;
};

struct FileError {
    enum class Code {
        none,
        tooLarge,     // reading: the file is over 1 MiB
        zeroBytes,    // reading a design: a zero byte before more data
        noField,      // reading a design: no line sets a field
        badCore,      // reading a design: its core kind `core` is outside 0..4
        cannotWrite,  // writing: refused for `reason`
        designValue,  // writing a design: a value cannot be saved, `design` says why
        cannotMakeFolder,  // making the folder `path`: refused for `reason`
    };
    enum class Reason {
        none,
        system,         // `system` says why
        noFileName,     // the path names no file
        notRegular,     // the file is a device, a pipe or the like
        readOnly,       // the user has made the file read-only
        folderMissing,  // the folder `other` does not exist
        notAFolder,     // `other`, the file's folder, is no folder
        noTempFile,     // no free name for the temporary file
        misfit,         // the text holds `misfit`
        fileInTheWay,   // `other` is a file where a folder must be
        madeNoFolder,   // the folder was made, yet is no folder
    };
    Code code = Code::none;
    std::string path;  // UTF-8: the file, or the folder that was not made
    Reason reason = Reason::none;
    std::error_code system;
    std::string other;  // UTF-8
    Misfit misfit;
    DesignError design;
    int core = 0;
    bool operator==(const FileError&) const = default;
};

}  // namespace velmora
