#include "test_files.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes WordsToBytes(const std::vector<int32_t>& words) {
    Bytes bytes;
    for (int32_t word : words) {
        const uint32_t value = static_cast<uint32_t>(word);
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
    }
    return bytes;
}

std::vector<int32_t> BytesToWords(const Bytes& bytes) {
    std::vector<int32_t> words;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
        const uint32_t value = bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 | static_cast<uint32_t>(bytes[i + 3]) << 24;
        words.push_back(static_cast<int32_t>(value));
    }
    return words;
}

std::wstring Widen(const std::string& text) {
    wchar_t wide[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, MAX_PATH * 2);
    return wide;
}

namespace {

// Wide, so that names the system's code page cannot spell go too.
void RemoveWideTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveWideTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveWideTree(Widen(path)); }

std::string FreshFolder(const std::string& name) {
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof current, current);
    const std::string root = std::string(current) + "\\test-folders";
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string folder = root + "\\" + name;
    RemoveTree(folder);
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\";
}

std::string FaultFolder(const std::string& name) {
    const char* root = std::getenv("VLCFG_FAULT_DIR");
    return std::string(root ? root : "") + "\\" + name + "\\";
}

std::string OnlySubfolder(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &entry);
    std::string found;
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != ".." && (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            found = folder + name + "\\";
        }
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return found;
}

std::vector<int32_t> DefaultWords() {
    std::vector<int32_t> words(32, 0);
    words[0] = 1;   // DirectShow
    words[1] = 1;   // flag 1031
    words[2] = 1;   // SSE
    words[3] = 1;   // SSE2
    words[4] = 1;   // multi-core
    words[8] = 1;   // GPU, bilinear
    words[11] = 1;  // engine words
    words[14] = 1;
    words[16] = 2;
    words[17] = 2;
    words[18] = 1;
    return words;
}

std::vector<int32_t> SampleWords() {
    std::vector<int32_t> words(32);
    for (int i = 0; i < 32; ++i) words[i] = 0x01010101 * (i + 1);
    const int32_t shown[] = {1, 1, 0, 1, 0, 77, 1, 2, 3, 1, 1};
    for (int i = 0; i < 11; ++i) words[i] = shown[i];
    return words;
}

std::vector<int32_t> StoredByOk(std::vector<int32_t> words) {
    words[1] = 0;
    words[5] = 0;
    return words;
}
