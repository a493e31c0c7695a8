// The multibyte string comparisons of the C run-time, in the stand-in's ANSI
// code page: a double-byte character is compared as a unit and only
// single-byte letters are folded.
#pragma once

int _mbscmp(const unsigned char* s1, const unsigned char* s2);
int _mbsicmp(const unsigned char* s1, const unsigned char* s2);
