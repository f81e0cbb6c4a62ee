#include "app/updatechecker.h"

#include "common/texts.h"
#include "platform/reentryguard.h"
#include "tracking/updatecheck.h"

UpdateChecker::UpdateChecker(ReentryGuard &guard, const Platform &platform, const Endpoints &endpoints,
                             QObject *parent)
    : QObject(parent), m_guard(guard), m_platform(platform), m_host(endpoints.updateHost),
      m_forumUrl(endpoints.forumUrl), m_timer(this)
{
    m_timer.setObjectName(QStringLiteral("updateCheckTimer"));
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &UpdateChecker::check);
}

void UpdateChecker::startSoon()
{
    m_timer.start();
}

void UpdateChecker::check()
{
    m_timer.stop();
    if (m_guard.putOffWhileBoxOpen(ReentryGuard::Work::UpdateCheck, [this] { check(); }))
        return;
    m_state = State::Waiting;
    m_platform.fetch.getInBackground(UpdateCheck::url(m_host), this,
                                     [this](const FetchResult &answer) { answered(answer); });
    emit waitingChanged();
}

void UpdateChecker::answered(const FetchResult &answer)
{
    m_state = State::Answered;
    emit waitingChanged();
    const UpdateCheck::Result check = UpdateCheck::evaluate(answer);
    if (check.verdict == UpdateCheck::Verdict::Newer) {
        emit message(tr("程序已加载完毕..."), QString());
        m_guard.show({tr("Tiko提示"), UpdateCheck::newerVersionText(check.version), BoxIcon::Information,
                      BoxButton::Ok, BoxButton::NoButton});
        m_platform.shell.openUrl(m_forumUrl);
        // The check is over and so is the program: a close or a panel's query that waited for
        // the answer is dropped, not asked.
        m_guard.programEnding();
        m_state = State::Ended;
        emit waitingChanged();
        m_platform.appExit.exitNow(0);
        return;
    }
    if (check.verdict == UpdateCheck::Verdict::Failed)
        m_guard.show({Texts::boxTitle(), tr("检测更新失败!请您稍后再试,暂时使用原版"), BoxIcon::Exclamation,
                      BoxButton::Ok, BoxButton::NoButton});
    emit message(tr("程序已加载完毕..."), check.cause);
    m_state = State::Ended;
    emit ended();
}
