#include "fakeplatform.h"

BoxButton FakeMessageBoxes::show(const BoxRequest &request)
{
    shown.append(request);
    if (whileOpen)
        whileOpen();
    if (!answers.isEmpty())
        return answers.dequeue();
    if (request.defaultButton != BoxButton::NoButton)
        return request.defaultButton;
    for (BoxButton b : {BoxButton::Ok, BoxButton::Yes, BoxButton::No, BoxButton::Cancel}) {
        if (request.buttons & b)
            return b;
    }
    return BoxButton::NoButton;
}

FetchResult ScriptedFetch::get(const QUrl &url)
{
    requested.append(url);
    if (answers.isEmpty())
        return failedAnswer(FetchResult::Outcome::NetworkError);
    return answers.dequeue();
}

FetchResult okAnswer(const QString &body)
{
    FetchResult result;
    result.outcome = FetchResult::Outcome::Ok;
    result.httpStatus = 200;
    result.body = body;
    return result;
}

FetchResult failedAnswer(FetchResult::Outcome outcome, int status, const QString &body)
{
    FetchResult result;
    result.outcome = outcome;
    result.httpStatus = status;
    result.body = body;
    return result;
}
