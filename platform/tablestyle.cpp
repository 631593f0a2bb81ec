#include "platform/tablestyle.h"

QFont TableFont(int points)
{
    return solidFont(monoFont(points * 96 / 72));
}
