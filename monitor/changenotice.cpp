#include "monitor/changenotice.h"

ChangeVerdict ChangeNotice::decide(int previousRowCount, int currentRowCount)
{
    if (previousRowCount < currentRowCount)
        return {QStringLiteral("是否更新：有更新"), true, true};
    return {QStringLiteral("是否更新：无更新"), false, false};
}
