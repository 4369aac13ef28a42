#include "misc/IntMath.h"

#include <climits>

int ClampToInt(long long nValue)
{
    if (nValue > INT_MAX)
        return INT_MAX;
    if (nValue < INT_MIN)
        return INT_MIN;
    return (int)nValue;
}

int AddClamped(int a, int b)
{
    return ClampToInt((long long)a + b);
}

int HalfWay(int a, int b)
{
    return (int)(((long long)a + b) / 2);
}
