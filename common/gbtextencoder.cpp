#include "common/gbtextencoder.h"

#include "common/gbtext.h"

QStringEncoder GbText::newEncoder()
{
    return QStringEncoder(encoding, QStringEncoder::Flag::Stateless);
}
