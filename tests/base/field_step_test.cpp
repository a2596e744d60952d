#include "base/FieldStepFocus.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace zantrel;

TEST(FieldStepFocus, PageKeysMoveToTheNeighbouringField)
{
    QWidget form;
    auto* column = new QVBoxLayout(&form);
    QLineEdit first, second, third;
    for (QLineEdit* edit : {&first, &second, &third})
        column->addWidget(edit);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    second.setFocus();
    ApplyFieldStep(second, Qt::Key_PageDown);
    EXPECT_EQ(QApplication::focusWidget(), &third);
    ApplyFieldStep(third, Qt::Key_PageUp);
    EXPECT_EQ(QApplication::focusWidget(), &second);
    ApplyFieldStep(second, Qt::Key_PageUp);
    EXPECT_EQ(QApplication::focusWidget(), &first);
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Down)}) {
        ApplyFieldStep(first, key);
        EXPECT_EQ(QApplication::focusWidget(), &first) << key;
    }
    EXPECT_EQ(first.text(), QString());
}
