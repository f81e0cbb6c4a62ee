#include "tracking/updatecheck.h"

#include "common/version.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr qsizetype longestVersion = 32;

bool isTrailingBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

QUrl UpdateCheck::url(const QString &host)
{
    return QUrl(QStringLiteral("http://") + host + QStringLiteral("/orvoupd/zephyr/jc.txt"));
}

QString UpdateCheck::currentVersion()
{
    return QLatin1Char('V') + Version::majorMinor();
}

UpdateCheck::Result UpdateCheck::evaluate(const FetchResult &fetch)
{
    if (!fetch.ok() || fetch.body.isEmpty())
        return {Verdict::Failed, QString(), fetch.failureCause()};

    qsizetype end = fetch.body.size();
    while (end > 0 && isTrailingBlank(fetch.body.at(end - 1)))
        --end;
    const QString answer = fetch.body.left(end);

    // An error page or a stray file is not a version, even when the server calls it a success;
    // neither is text holding a line break or another control character.
    const auto isControl = [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; };
    if (answer.isEmpty() || answer.size() > longestVersion || answer.contains(u'<') ||
        std::any_of(answer.begin(), answer.end(), isControl))
        return {Verdict::Failed, QString(), QCoreApplication::translate("UpdateCheck", "更新文件内容无效")};

    if (answer == currentVersion())
        return {Verdict::Current, answer, QString()};
    return {Verdict::Newer, answer, QString()};
}

QString UpdateCheck::newerVersionText(const QString &version)
{
    return QCoreApplication::translate("UpdateCheck", "发现最新版本![%1]\r\n \r\n确定后自动打开官方论坛!")
        .arg(version);
}
