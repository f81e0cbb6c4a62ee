#include "platform/webfetch.h"

#include <QCoreApplication>

QString FetchResult::failureCause() const
{
    switch (outcome) {
    case Outcome::Ok:
        return body.isEmpty() ? QCoreApplication::translate("WebFetch", "服务器返回空内容") : QString();
    case Outcome::HttpError:
        return QCoreApplication::translate("WebFetch", "服务器返回HTTP错误%1").arg(httpStatus);
    case Outcome::NetworkError:
        return QCoreApplication::translate("WebFetch", "无法连接服务器");
    case Outcome::Redirected:
        return QCoreApplication::translate("WebFetch", "服务器反复重定向,没有应答");
    case Outcome::Cut:
        return QCoreApplication::translate("WebFetch", "连接在应答中途断开");
    case Outcome::Timeout:
        // The fetch's own limit: 15 s in the program, less where a caller waits less.
        return QCoreApplication::translate("WebFetch", "服务器未在%1秒内完成应答")
            .arg(QString::number(deadlineMs / 1000.0));
    case Outcome::TooLarge:
        return QCoreApplication::translate("WebFetch", "应答超过32 MB");
    case Outcome::Aborted:
        break;
    }
    return QString();
}
