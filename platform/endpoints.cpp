#include "platform/endpoints.h"

#include "quillon_build_config.h"

Endpoints Endpoints::fromBuild()
{
    return Endpoints{QStringLiteral(QUILLON_TRACKING_HOST), QStringLiteral(QUILLON_OUTLET_HOST),
                     QStringLiteral(QUILLON_UPDATE_HOST), QUrl(QStringLiteral(QUILLON_FORUM_URL))};
}
