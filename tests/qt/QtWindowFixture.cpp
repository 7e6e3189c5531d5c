#include "tests/qt/QtWindowFixture.h"

#include <QApplication>
#include <QPixmap>
#include <QtTest/QTest>

QtWindowFixture::QtWindowFixture()
{
    application->SetTitle("Quorvel 画像分析");
    host.FormCreated(*form);
    host.FormCreated(*aboutBox);
    window = TQtFormWindow::Find(form);
    form->Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
}

QWidget* QtWindowFixture::WidgetOf(const TControl* control) const
{
    return window->WidgetOf(control);
}

QPoint QtWindowFixture::InParentWidget(const TControl* control, int x, int y)
{
    return QPoint(control->Left() + x, control->Top() + y);
}

QImage QtWindowFixture::Grab(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void QtWindowFixture::Settle()
{
    QApplication::processEvents();
}
