// Qt's own buttons speak Chinese once the translations are loaded, whatever the locale.
#include "app/translations.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Under a Chinese locale the check would prove nothing.
        if (QLocale::system().language() == QLocale::Chinese)
            QSKIP("run under a non-Chinese locale (LANG=C)");
        QVERIFY(loadQtChinese(*qApp));
    }

    void standardButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("text");
        QTest::newRow("OK") << int(QMessageBox::Ok) << "确定";
        QTest::newRow("Yes") << int(QMessageBox::Yes) << "是";
        QTest::newRow("No") << int(QMessageBox::No) << "否";
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << "取消";
    }
    void standardButtons()
    {
        QFETCH(int, button);
        QFETCH(QString, text);
        // The farewell question's buttons, and the one button of every notice.
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel | QMessageBox::Ok);
        const QAbstractButton *shown = box.button(QMessageBox::StandardButton(button));
        QVERIFY(shown);
        QVERIFY2(shown->text().contains(text), qPrintable(shown->text()));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
