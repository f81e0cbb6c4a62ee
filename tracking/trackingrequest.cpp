#include "tracking/trackingrequest.h"

namespace {

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

struct ErrorWord {
    const char16_t *word;
    TrackingRequest::Refusal refusal;
};

// Checked in this order: the first word present decides, wherever it stands in the answer.
constexpr ErrorWord errorWords[] = {
    {u"单号格式错误", TrackingRequest::Refusal::BadFormat},
    {u"不存在", TrackingRequest::Refusal::NotFound},
    {u"不支持的快递公司", TrackingRequest::Refusal::UnsupportedCompany},
    {u"请输入正确的单号", TrackingRequest::Refusal::EnterValidNumber},
};

} // namespace

QUrl TrackingRequest::url(const QString &host, const QString &companyCode, const QString &number)
{
    const QByteArray encoded = "http://" + host.toUtf8() + "/?com=" + percentEncode(companyCode) +
                               "&nu=" + percentEncode(number) + "&id=" + accessKey + "&type=html";
    // Built from bytes so that QUrl sends them as they are instead of re-encoding the number.
    return QUrl::fromEncoded(encoded, QUrl::StrictMode);
}

QByteArray TrackingRequest::percentEncode(const QString &text)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    const QByteArray utf8 = text.toUtf8();
    QByteArray out;
    out.reserve(utf8.size() * 3);
    for (const char c : utf8) {
        if (isUnreserved(c)) {
            out.append(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            out.append('%');
            out.append(hex[byte >> 4]);
            out.append(hex[byte & 0x0F]);
        }
    }
    return out;
}

TrackingRequest::Refusal TrackingRequest::refusal(const QString &answer)
{
    for (const ErrorWord &entry : errorWords) {
        if (answer.contains(QStringView(entry.word)))
            return entry.refusal;
    }
    return Refusal::None;
}

QString TrackingRequest::refusalStatus(Refusal refusal)
{
    switch (refusal) {
    case Refusal::BadFormat:
        return QStringLiteral("单号格式错误!请检查!");
    case Refusal::NotFound:
        return QStringLiteral("单号不存在!请检查!");
    case Refusal::UnsupportedCompany:
        return QStringLiteral("系统问题,暂不支持当前快递公司!");
    case Refusal::EnterValidNumber:
        return QStringLiteral("请输入正确的单号!");
    case Refusal::None:
        break;
    }
    return QString();
}

bool TrackingRequest::refusalEmptiesNumber(Refusal refusal)
{
    // An unsupported company is not the number's fault, so the user keeps what was typed.
    return refusal == Refusal::BadFormat || refusal == Refusal::NotFound ||
           refusal == Refusal::EnterValidNumber;
}
