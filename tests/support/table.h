#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// A test table written one case a line, "name: input => expected"; a line that starts with blanks
// goes on with the line before, after one blank. Escapes stand for what a line cannot hold: \r \n \t, \xHH,
// \uHHHH, and {X*N} for N times the character X.
inline QString unescape(QString text)
{
    static const QRegularExpression escape(
        QStringLiteral("\\\\(r|n|t|x[0-9A-F]{2}|u[0-9A-F]{4})|\\{(.)\\*(\\d+)\\}"));
    qsizetype from = 0;
    for (QRegularExpressionMatch m; (m = escape.match(text, from)).hasMatch();) {
        const QString code = m.captured(1);
        const QString with = code.isEmpty() ? QString(m.captured(3).toInt(), m.captured(2).at(0))
                             : code.size() == 1
                                 ? QString(u"\r\n\t"[QStringView(u"rnt").indexOf(code)]) // \r \n \t
                                 : QString(QChar(code.sliced(1).toUShort(nullptr, 16)));
        text.replace(m.capturedStart(), m.capturedLength(), with);
        from = m.capturedStart() + with.size();
    }
    return text;
}

// Fetches a row's input and expected text; a line of the table that is no case fails its row.
#define FETCH_CASE()                                                                                         \
    QFETCH(QString, input);                                                                                  \
    QFETCH(QString, expected);                                                                               \
    if (expected == QStringLiteral("\x01not a case"))                                                        \
    QFAIL(qPrintable(QStringLiteral("not a case: ") + input))

// The rows of `table`. With `tests`, only those whose input begins with the running test's name
// (without that word), and for a test named "unknownSubject" those whose first word names no test
// of `tests`, each to fail.
inline void tableRows(const char *table, const QObject *tests = nullptr)
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    const QString subject = QString::fromLatin1(QTest::currentTestFunction());
    const QString text =
        QString::fromUtf8(table).replace(QRegularExpression(QStringLiteral("\n +")), QStringLiteral(" "));
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(u": "), arrow = line.lastIndexOf(u" =>");
        if (colon < 1 || arrow < colon) { // a row of its own that fails
            QTest::newRow(qPrintable(line.left(40))) << line << QStringLiteral("\x01not a case");
            continue;
        }
        QString input = unescape(line.sliced(colon + 2, arrow - colon - 2));
        const QString expected = line.sliced(arrow + 3), word = input.section(u' ', 0, 0);
        if (tests && subject == u"unknownSubject") {
            if (tests->metaObject()->indexOfSlot(qPrintable(word + QStringLiteral("()"))) < 0)
                QTest::newRow(qPrintable(line.left(colon))) << line << QStringLiteral("\x01not a case");
            continue;
        }
        if (tests && word != subject)
            continue;
        QTest::newRow(qPrintable(line.left(colon)))
            << (tests ? input.sliced(std::min(word.size() + 1, input.size())) : input)
            << unescape(expected.startsWith(u' ') ? expected.sliced(1) : expected);
    }
}

// Compares a row's notes with what it expects; on a difference, says where the two part, whole
// notes being too long for QCOMPARE's cut-off lines.
#define COMPARE_NOTES(actual, expected)                                                                      \
    do {                                                                                                     \
        const QString a = (actual), e = (expected);                                                          \
        qsizetype at = 0;                                                                                    \
        while (at < a.size() && at < e.size() && a.at(at) == e.at(at))                                       \
            ++at;                                                                                            \
        QVERIFY2(a == e,                                                                                     \
                 qPrintable(QStringLiteral("they part after \"%1\":\n  shown:    %2\n  expected: %3")        \
                                .arg(a.mid(qMax(0, at - 40), qMin(at, qsizetype(40))), a.mid(at, 120),       \
                                     e.mid(at, 120))));                                                      \
    } while (false)
