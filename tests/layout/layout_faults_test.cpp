#include "LayoutFaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

using zantrel::test::LayoutFaults;

namespace {

// A window with nothing wrong in it, which each case then spoils in one way.
struct SmallWindow {
    SmallWindow()
    {
        window.setObjectName(QStringLiteral("Window"));
        window.resize(300, 200);
        label = new QLabel(QStringLiteral("Obroty"), &window);
        label->setObjectName(QStringLiteral("LabelObroty"));
        label->setGeometry(10, 10, 120, 24);
        button = new QPushButton(QStringLiteral("Zapisz"), &window);
        button->setObjectName(QStringLiteral("ButtonZapisz"));
        button->setGeometry(10, 40, 120, 30);
        check = new QCheckBox(QStringLiteral("Start"), &window);
        check->setObjectName(QStringLiteral("CheckStart"));
        check->setGeometry(10, 80, 120, 24);
        list = new QComboBox(&window);
        list->setObjectName(QStringLiteral("ComboBoxRodzaj"));
        list->addItems({QStringLiteral("A"), QStringLiteral("B")});
        list->setGeometry(10, 110, 120, 26);
        group = new QGroupBox(QStringLiteral("Gaz"), &window);
        group->setObjectName(QStringLiteral("GroupGaz"));
        group->setGeometry(150, 10, 140, 120);
        window.show();
    }

    QWidget window;
    QLabel* label;
    QPushButton* button;
    QCheckBox* check;
    QComboBox* list;
    QGroupBox* group;
};

TEST(LayoutFaultsTest, FindsNothingInASoundWindow)
{
    SmallWindow w;
    EXPECT_EQ(LayoutFaults(w.window), QStringList());
}

// Each spoiling gives one fault that names the window, the control and, for a text, the
// text with its widths.
TEST(LayoutFaultsTest, FindsEachKindOfFault)
{
    const QString longText(40, u'W');
    const struct {
        const char* what;
        void (*spoil)(SmallWindow&, const QString&);
        const char* expected;
    } cases[] = {
        {"outside", [](SmallWindow& w, const QString&) { w.button->move(200, 175); },
         "Window/ButtonZapisz: lies outside its parent Window"},
        {"overlap", [](SmallWindow& w, const QString&) { w.check->move(10, 50); },
         "Window/ButtonZapisz: overlaps CheckStart"},
        {"label", [](SmallWindow& w, const QString& t) { w.label->setText(t); },
         "Window/LabelObroty: \"WWWW"},
        {"button", [](SmallWindow& w, const QString& t) { w.button->setText(t); },
         "Window/ButtonZapisz: \"WWWW"},
        {"check box", [](SmallWindow& w, const QString& t) { w.check->setText(t); },
         "Window/CheckStart: \"WWWW"},
        {"group title", [](SmallWindow& w, const QString& t) { w.group->setTitle(t); },
         "Window/GroupGaz: \"WWWW"},
        {"list item", [](SmallWindow& w, const QString& t) { w.list->addItem(t); },
         "Window/ComboBoxRodzaj: item 2 \"WWWW"},
    };
    for (const auto& c : cases) {
        SmallWindow w;
        c.spoil(w, longText);
        const QStringList faults = LayoutFaults(w.window);
        ASSERT_EQ(faults.size(), 1) << c.what << ": " << qPrintable(faults.join(u'\n'));
        EXPECT_TRUE(faults[0].startsWith(QString::fromLatin1(c.expected))) << c.what << ": " << qPrintable(faults[0]);
        if (QByteArray(c.expected).contains("WWWW")) {
            EXPECT_TRUE(faults[0].contains(QStringLiteral(" px, has "))) << qPrintable(faults[0]);
        }
    }
}

// A wrapping label is measured wrapped at its width: it fits while its lines have room.
TEST(LayoutFaultsTest, MeasuresAWrappingLabelByItsLines)
{
    SmallWindow w;
    w.label->setWordWrap(true);
    w.label->setText(QStringLiteral("Ciśnienie gazu w barach"));
    w.label->setFixedSize(w.label->fontMetrics().horizontalAdvance(QStringLiteral("Ciśnienie gazu")) + 2,
                          2 * w.label->fontMetrics().lineSpacing() + 2);
    EXPECT_EQ(LayoutFaults(w.window), QStringList());
    w.label->setFixedHeight(w.label->fontMetrics().height());
    EXPECT_EQ(LayoutFaults(w.window).size(), 1);
}

} // namespace
