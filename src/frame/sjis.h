// Double-byte-aware byte-string helpers for the tool's paths.
//
// In Shift-JIS (code page 932) the second byte of a double-byte character
// ranges over 0x40-0x7E and 0x80-0xFC, so it can equal the path separator or
// an ASCII letter; so can the second byte in the other double-byte code pages
// (936, 949, 950). These helpers walk a NUL-terminated string character by
// character, by the lead-byte table they are given, and never look at a
// second byte.
#pragma once

#include <cstddef>

// One entry per byte value: 1 for a lead byte, 0 for any other.
constexpr size_t LeadByteTableSize = 256;

// Shift-JIS's table: 1 for the lead bytes 0x81-0x9F and 0xE0-0xFC, whatever
// code page the system is set to.
extern const unsigned char SjisLeadByteTable[LeadByteTableSize];

// Fills table from a code page's lead-byte ranges as the platform reports
// them: pairs of first and last byte, ended by a pair of zeros or by the end
// of the rangeBytes bytes. No ranges (a single-byte code page, or UTF-8) gives
// a table of no lead bytes.
void FillLeadByteTable(unsigned char* table, const unsigned char* ranges, size_t rangeBytes);

// Byte length (1 or 2) of the character that starts with byte b.
inline int SjisCharLength(unsigned char b, const unsigned char* leadBytes) { return leadBytes[b] + 1; }

// 1 when the last character of text is the single-byte character ch, else 0.
int SjisEndsWithByte(const char* text, char ch, const unsigned char* leadBytes);

// 1 when some single-byte character of text is ch, else 0.
int SjisContainsByte(const char* text, char ch, const unsigned char* leadBytes);

// Replaces, in place, every single-byte character from by to.
void SjisReplaceByte(char* text, char from, char to, const unsigned char* leadBytes);

// Lower-cases, in place, the single-byte characters 'A'-'Z'; no locale.
void SjisLowerAscii(char* text, const unsigned char* leadBytes);
