#include "core_list_file.hpp"

#include <fstream>
#include <iterator>
#include <system_error>

#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

fs::path CoreListPath(const StateLocationInputs& in) {
    return StateFilePath(in).parent_path() / pathFromUtf8(kCoreListFile);
}

CoreListOpened OpenCoreList(const fs::path& path, const fs::path& dataFolder) {
    CoreListOpened out;
    std::error_code ec;
    const fs::path example = dataFolder / pathFromUtf8(kCoreListFile);
    if (!fs::exists(path, ec)) {
        // Read as the catalogue reads (a regular file, 1 MiB at most); copied as it is.
        const TextFile f = ReadTextFile(example);
        std::ifstream in(example, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (f.status != TextFile::ok || !in) {
            out.list = LoadCoreList(example);  // it says why
            return out;
        }
        const FolderOutcome folder = EnsureParentFolder(path);
        const WriteOutcome w = folder.ok ? WriteFileAtomic(path, bytes) : WriteOutcome{false, folder.error};
        if (!w.ok) {
            out.copyError = w.error;
            out.list = LoadCoreList(example);
            return out;
        }
        out.created = true;
    }
    out.list = LoadCoreList(path);
    return out;
}

WriteOutcome SaveCoreList(const fs::path& path, const std::vector<ListedCore>& cores) {
    if (FolderOutcome folder = EnsureParentFolder(path); !folder.ok) return {false, folder.error};
    return WriteTextFileCp1251(path, FormatCoreList(cores));
}

}  // namespace velmora
