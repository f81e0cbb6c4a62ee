#include "platform/webfetch.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <array>

using namespace Qt::StringLiterals;

namespace {
const char *const emptyAnswer = QT_TRANSLATE_NOOP("WebFetch", "服务器返回空内容");
const char *const httpError = QT_TRANSLATE_NOOP("WebFetch", "服务器返回HTTP错误%1");
const char *const noConnection = QT_TRANSLATE_NOOP("WebFetch", "无法连接服务器");
const char *const redirected = QT_TRANSLATE_NOOP("WebFetch", "服务器反复重定向,没有应答");
const char *const cut = QT_TRANSLATE_NOOP("WebFetch", "连接在应答中途断开");
// The fetch's own limit: 15 s in the program, less where a caller waits less.
const char *const timeout = QT_TRANSLATE_NOOP("WebFetch", "服务器未在%1秒内完成应答");
const char *const tooLarge = QT_TRANSLATE_NOOP("WebFetch", "应答超过32 MB");
const char *const causes[] = {emptyAnswer, httpError, noConnection, redirected, cut, timeout, tooLarge};

QString word(const char *source, FetchResult::Words words, const QString &figure = QString())
{
    const QString text = words == FetchResult::Words::Shown ? QCoreApplication::translate("WebFetch", source)
                                                            : QString::fromUtf8(source);
    return figure.isNull() ? text : text.arg(figure);
}
} // namespace

QString FetchResult::failureCause(Words words) const
{
    switch (outcome) {
    case Outcome::Ok:
        return body.isEmpty() ? word(emptyAnswer, words) : QString();
    case Outcome::HttpError:
        return word(httpError, words, QString::number(httpStatus));
    case Outcome::NetworkError:
        return word(noConnection, words);
    case Outcome::Redirected:
        return word(redirected, words);
    case Outcome::Cut:
        return word(cut, words);
    case Outcome::Timeout:
        return word(timeout, words, QString::number(deadlineMs / 1000.0));
    case Outcome::TooLarge:
        return word(tooLarge, words);
    case Outcome::Aborted:
        break;
    }
    return QString();
}

QString FetchResult::shownCause(const QString &kept)
{
    // Each cause's Chinese words as a pattern, its figure caught: made once, matched at each showing.
    static const auto patterns = [] {
        std::array<QRegularExpression, std::size(causes)> made;
        for (std::size_t at = 0; at < made.size(); ++at)
            made[at].setPattern(QRegularExpression::anchoredPattern(
                QRegularExpression::escape(QString::fromUtf8(causes[at])).replace(u"\\%1"_s, u"(.+)"_s)));
        return made;
    }();
    for (std::size_t at = 0; at < patterns.size(); ++at) {
        const QRegularExpressionMatch found = patterns[at].match(kept);
        if (found.hasMatch())
            return word(causes[at], Words::Shown,
                        found.lastCapturedIndex() > 0 ? found.captured(1) : QString());
    }
    return kept;
}
