#pragma once

#include <QString>
#include <QUrl>

// Building the tracking request and reading the service's error words.
class TrackingRequest {
public:
    // The service's access key, sent as "id".
    static constexpr const char *accessKey = "3C7E1A90B4D25F6E8A0C19D7E25B4F31";

    // "http://" host "/?com=" code "&nu=" number "&id=" key "&type=html", the number percent-encoded
    // (UTF-8, every byte outside A-Z a-z 0-9 - . _ ~ escaped, upper-case hex).
    static QUrl url(const QString &host, const QString &companyCode, const QString &number);

    // UTF-8 percent-encoding of the unreserved set only; an ordinary number comes back unchanged.
    static QByteArray percentEncode(const QString &text);

    enum class Refusal { None, BadFormat, NotFound, UnsupportedCompany, EnterValidNumber };

    // The first error word of the service found anywhere in the answer, in the fixed order:
    // "单号格式错误", "不存在", "不支持的快递公司", "请输入正确的单号".
    static Refusal refusal(const QString &answer);
    static QString refusalStatus(Refusal refusal);     // status text for the message line
    static bool refusalEmptiesNumber(Refusal refusal); // whether the number box is emptied
};
