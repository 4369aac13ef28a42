#pragma once

// Integer arithmetic held inside the int range: a damaged file may carry coordinates and
// sizes near its ends, and sums or differences of them leave it.

// A 64-bit result held inside the int range.
int ClampToInt(long long nValue);
// a + b held inside the int range.
int AddClamped(int a, int b);
// (a + b) / 2 truncated towards zero, without overflow.
int HalfWay(int a, int b);
