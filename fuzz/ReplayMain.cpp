// The ordinary build's main of every fuzz target: runs the target's entry point once for
// each file named on the command line, and for every file below each folder named, so
// that the committed corpus and every past finding are replayed by the test suite. A
// path that does not exist fails, so that a moved corpus is not replayed as nothing.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* plArgc, char*** pppszArgv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t ulSize);

namespace {
namespace fs = std::filesystem;

bool replay(const fs::path& clPath)
{
    std::ifstream clFile(clPath, std::ios::binary);
    if (!clFile)
        return false;
    const std::vector<char> vecBytes {std::istreambuf_iterator<char>(clFile), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(vecBytes.data()), vecBytes.size());
    return true;
}

// Files in a stable order, without the hidden ones that only keep a folder in git.
std::vector<fs::path> inputsBelow(const fs::path& clFolder)
{
    std::vector<fs::path> vecFiles;
    for (const fs::directory_entry& clEntry : fs::recursive_directory_iterator(clFolder)) {
        if (clEntry.is_regular_file() && clEntry.path().filename().string().rfind('.', 0) != 0)
            vecFiles.push_back(clEntry.path());
    }
    std::sort(vecFiles.begin(), vecFiles.end());
    return vecFiles;
}
}  // namespace

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int lReplayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path clPath(argv[i]);
        std::vector<fs::path> vecFiles {clPath};
        if (fs::is_directory(clPath))
            vecFiles = inputsBelow(clPath);
        else if (!fs::exists(clPath))
            vecFiles.clear();
        if (vecFiles.empty() && !fs::is_directory(clPath)) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        for (const fs::path& clFile : vecFiles) {
            if (!replay(clFile)) {
                std::fprintf(stderr, "cannot read %s\n", clFile.c_str());
                return 1;
            }
            ++lReplayed;
        }
    }
    std::printf("replayed %d inputs\n", lReplayed);
    return 0;
}
