#pragma once
// Two buttons in a shown, active window, for tests that drive the control through the window system:
// `button` (with the fixed font) and `other`, the next in the focus order. The pointer starts away
// from both.

#include "ButtonTestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace button_test {

class ShownButtons : public ::testing::Test {
  protected:
    void SetUp() override {
        top.setGeometry(200, 200, 300, 120);
        button = new chameleonButton(&top);
        button->SetTextMetrics(std::make_shared<FixedMetrics>());
        button->setGeometry(20, 20, 100, 30);
        other = new chameleonButton(&top);
        other->setGeometry(150, 20, 100, 30);
        QCursor::setPos(top.mapToGlobal(QPoint(5, 100)));
        top.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
        QApplication::setActiveWindow(&top);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&top));
    }

    QWidget top;
    chameleonButton* button = nullptr;
    chameleonButton* other = nullptr;
};

} // namespace button_test
