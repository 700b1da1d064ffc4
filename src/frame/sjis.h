// Shift-JIS (code page 932) byte-string helpers.
//
// The second byte of a double-byte character ranges over 0x40-0x7E and
// 0x80-0xFC, so it can equal the path separator or an ASCII letter. These
// helpers walk a NUL-terminated string character by character and never look
// at a second byte, whatever code page the system is set to.
#pragma once

// 1 for the lead bytes 0x81-0x9F and 0xE0-0xFC, 0 for every other byte.
extern const unsigned char SjisLeadByteTable[256];

// Byte length (1 or 2) of the character that starts with byte b.
inline int SjisCharLength(unsigned char b) { return SjisLeadByteTable[b] + 1; }

// 1 when the last character of text is the single-byte character ch, else 0.
int SjisEndsWithByte(const char* text, char ch);

// Replaces, in place, every single-byte character from by to.
void SjisReplaceByte(char* text, char from, char to);

// Lower-cases, in place, the single-byte characters 'A'-'Z'; no locale.
void SjisLowerAscii(char* text);
