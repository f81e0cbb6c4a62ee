#include "tracking/class1.h"

#include "common/textrules.h"

#include <QStringList>

void Class1::setParentControl(QWidget *control)
{
    m_parent = control;
}

void Class1::setToolTipTitle(const QString &title)
{
    m_title = title;
}

void Class1::setToolTipText(const QString &text)
{
    m_text = text;
}

void Class1::create()
{
    if (!m_parent)
        return;
    QStringList lines = QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")).split(u'\n');
    for (QString &line : lines)
        line = cutAtWholeCharacter(line, shownTextLength).toHtmlEscaped();
    m_parent->setToolTip(QStringLiteral("<p style='white-space:pre-wrap'><b>%1</b><br>%2</p>")
                             .arg(m_title.toHtmlEscaped(), lines.join(QLatin1String("<br>"))));
}
