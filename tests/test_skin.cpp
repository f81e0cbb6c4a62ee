// The skin: which skin files switch it on, and the colours it paints in each state, read back from
// the pixels as the names of the palette's roles.
#include "common/statusbar.h"
#include "platform/qtskin.h"
#include "platform/skinstyle.h"
#include "table.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// Every role the skin paints with, each in an active colour of its own; the other groups are
// darker, so that a colour taken from the wrong group shows.
const QList<std::tuple<QString, QPalette::ColorRole, QColor>> roles{
    {u"light"_s, QPalette::Light, 0xfff8e0},
    {u"button"_s, QPalette::Button, 0xe0e0e0},
    {u"mid"_s, QPalette::Mid, 0xa0a0a0},
    {u"dark"_s, QPalette::Dark, 0x606060},
    {u"highlight"_s, QPalette::Highlight, 0xc6a330},
    {u"base"_s, QPalette::Base, 0xf0fff0},
    {u"buttontext"_s, QPalette::ButtonText, 0x000000},
};

void useTestPalette()
{
    QPalette palette;
    for (const auto &[name, role, colour] : roles) {
        palette.setColor(role, colour);
        palette.setColor(QPalette::Inactive, role, colour.darker(130));
        palette.setColor(QPalette::Disabled, role, colour.darker(130));
    }
    QApplication::setPalette(palette);
}

// The name of the role whose active colour `colour` is, give or take a gradient's few levels.
QString roleOf(const QImage &image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    for (const auto &[name, role, colour] : roles) {
        const int off = qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green());
        if (off + qAbs(c.blue() - colour.blue()) <= 6)
            return name;
    }
    return c.name();
}

// A push button painted in the states `flags` names: its frame line, the top and the foot of its
// fill, and its text, a stroke so wide that its darkest pixels are wholly in the text's colour.
QString paintButton(const QStringList &flags)
{
    QPushButton button(u"一"_s);
    button.setFont(QFont(button.font().family(), 60));
    button.resize(100, 80);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.state = QStyle::State_Enabled;
    const QHash<QString, QStyle::StateFlag> states{{u"hover"_s, QStyle::State_MouseOver},
                                                   {u"focus"_s, QStyle::State_HasFocus},
                                                   {u"pressed"_s, QStyle::State_Sunken},
                                                   {u"disabled"_s, QStyle::State_Enabled}}; // turned off
    for (const QString &flag : flags) {
        if (!states.contains(flag))
            return u"unknown state "_s + flag;
        option.state ^= states[flag];
    }
    option.palette.setCurrentColorGroup(option.state & QStyle::State_Enabled ? QPalette::Active
                                                                             : QPalette::Disabled);
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(button.font());
    QApplication::style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    QPoint darkest(2, 2);
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x) {
            if (image.pixelColor(x, y).lightness() < image.pixelColor(darkest).lightness())
                darkest = QPoint(x, y);
        }
    }
    const int middle = image.width() / 2;
    return u"line=%1 top=%2 foot=%3 text=%4"_s.arg(roleOf(image, middle, 0), roleOf(image, middle, 1),
                                                   roleOf(image, middle, image.height() - 2),
                                                   roleOf(image, darkest.x(), darkest.y()));
}

// A widget's frame: its four corners and the middles of its foot and its right edge.
QString frame(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    const int r = image.width() - 1, b = image.height() - 1;
    return u"corners=%1,%2,%3,%4 foot=%5 right=%6"_s.arg(roleOf(image, 0, 0), roleOf(image, r, 0),
                                                         roleOf(image, 0, b), roleOf(image, r, b),
                                                         roleOf(image, r / 2, b), roleOf(image, r, b / 2));
}

} // namespace

class TestSkin : public QObject {
    Q_OBJECT
private slots:
    void attach_data()
    {
        tableRows(R"(
delivered: delivered => skin
missing: missing => platform
empty: \x00 => platform
another skin: Another skin\n => platform
style sheet: QPushButton { border: 1px solid red; }\n => platform
mark not first: \nQuillon V3 skin\n => platform
windows line ends: Quillon V3 skin\r\nmore\r\n => skin
mark alone: Quillon V3 skin => skin
)");
    }

    // A skin file switches the skin on only when its first line names it.
    void attach()
    {
        FETCH_CASE();
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
        QTemporaryDir folder;
        QString path = folder.filePath(u"skinh.she"_s);
        if (input == u"delivered") {
            path = QStringLiteral(QUILLON_SKIN_FILE);
        } else if (input != u"missing") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(input == u"\0"_s ? QByteArray() : input.toUtf8());
        }
        QtSkin().attach(path, QString());
        QCOMPARE(qobject_cast<SkinStyle *>(QApplication::style()) ? u"skin"_s : u"platform"_s, expected);
    }

    void paint_data()
    {
        tableRows(R"(
button: button => line=dark top=light foot=button text=buttontext
button under the mouse: button hover => line=highlight top=light foot=button text=buttontext
button with the focus: button focus => line=highlight top=light foot=button text=buttontext
button pressed: button pressed hover => line=highlight top=mid foot=button text=buttontext
button disabled: button disabled hover focus => line=mid top=button foot=button text=mid
button size: size 停止 => the platform's size
tree: tree => frame=dark row=highlight rest=base
tree disabled: tree disabled => frame=dark row=highlight rest=base
status panel, sunken: panel => corners=dark,dark,dark,light foot=light right=light
popup list: popup => corners=dark,dark,dark,dark foot=dark right=dark
)");
    }

    void paint()
    {
        FETCH_CASE();
        if (!qobject_cast<SkinStyle *>(QApplication::style()))
            QApplication::setStyle(new SkinStyle);
        useTestPalette();
        const QStringList words = input.split(u' ');
        QString seen = u"unknown subject "_s + words[0];
        if (words[0] == u"button") {
            seen = paintButton(words.mid(1));
        } else if (words[0] == u"size") {
            // the same button drawn by the platform's style alone
            QPushButton button(words.value(1)), platform(words.value(1));
            platform.setStyle(qobject_cast<SkinStyle *>(QApplication::style())->baseStyle());
            seen = button.sizeHint() == platform.sizeHint()
                       ? u"the platform's size"_s
                       : u"%1x%2"_s.arg(button.sizeHint().width()).arg(button.sizeHint().height());
        } else if (words[0] == u"tree") {
            QStandardItemModel model(3, 1);
            QTreeView tree;
            tree.setModel(&model);
            tree.resize(120, 90);
            tree.setCurrentIndex(model.index(0, 0));
            tree.setEnabled(words.value(1) != u"disabled");
            const QImage image = tree.grab().toImage();
            const QPoint row = tree.visualRect(model.index(0, 0)).center() + tree.viewport()->pos();
            seen = u"frame=%1 row=%2 rest=%3"_s.arg(roleOf(image, 60, 0), roleOf(image, row.x(), row.y()),
                                                    roleOf(image, 60, 80));
        } else if (words[0] == u"panel") {
            StatusBar bar;
            bar.setPanels({{0, u"查询提示："_s, {}, u"panel"_s}});
            bar.resize(120, 24);
            seen = frame(bar.findChild<QLabel *>(u"panel"_s));
        } else if (words[0] == u"popup") {
            QComboBox combo;
            combo.addItems({u"中邮物流"_s, u"安信达快递"_s, u"顺丰速运"_s});
            combo.show();
            combo.showPopup();
            seen = frame(combo.view());
        }
        QCOMPARE(seen, expected);
    }
};

QTEST_MAIN(TestSkin)
#include "test_skin.moc"
