// Game folders and settings files for the Windows-side tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<unsigned char> Bytes;

// The file's bytes; empty when it cannot be read.
Bytes ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteBytes(const std::string& path, const Bytes& bytes);

// Little-endian 32-bit words, as the settings file holds them.
Bytes WordsToBytes(const std::vector<int32_t>& words);
std::vector<int32_t> BytesToWords(const Bytes& bytes);

// text, in the system's code page, as UTF-16.
std::wstring Widen(const std::string& text);

// Deletes a folder and everything in it, whatever the names; nothing when it
// does not exist.
void RemoveTree(const std::string& path);

// An empty folder for one test, below the current folder. Ends in a separator.
std::string FreshFolder(const std::string& name);

// Windows path of a folder the fault-file fixture made.
std::string FaultFolder(const std::string& name);

// The single subfolder of folder (with its separator), or "" when none.
std::string OnlySubfolder(const std::string& folder);

// The 32 words a new settings file holds, listed word by word.
std::vector<int32_t> DefaultWords();

// Engine words and odd values, so that a save that drops or reorders words
// shows; every shown word lies within its control's range.
std::vector<int32_t> SampleWords();

// What OK stores from words shown unchanged: word 1 reads as unchecked
// (control 1031 does not exist) and word 5 is cleared.
std::vector<int32_t> StoredByOk(std::vector<int32_t> words);
