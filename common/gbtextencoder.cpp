#include "common/gbtextencoder.h"

QStringEncoder GbText::newEncoder()
{
    return QStringEncoder(encoding, QStringEncoder::Flag::Stateless);
}
