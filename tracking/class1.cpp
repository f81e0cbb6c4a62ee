#include "tracking/class1.h"

#include "app/textrules.h"

#include <QStringList>

namespace {
// A tooltip of a megabyte would stall every hover; the list cell keeps the whole text.
constexpr qsizetype maxLineLength = 2000;
} // namespace

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
    if (m_parent)
        m_parent->setToolTip(balloonHtml(m_title, m_text));
}

QString Class1::balloonHtml(const QString &title, const QString &text)
{
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QStringList lines = plain.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        line = cutAtWholeCharacter(line, maxLineLength).toHtmlEscaped();
    }
    return QStringLiteral("<p style='white-space:pre-wrap'><b>%1</b><br>%2</p>")
        .arg(title.toHtmlEscaped(), lines.join(QLatin1String("<br>")));
}
