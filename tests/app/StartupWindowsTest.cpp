// The splash window's counter and the about box's link label.
#include "app/AboutForm.h"
#include "app/SplashForm.h"
#include "rtl/VlCp1251.h"

#include <QElapsedTimer>
#include <QStringDecoder>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(Splash, ClosesOnThe39thTick)
{
    TSplashF splash;
    EXPECT_EQ(splash.Counter(), 22);
    EXPECT_EQ(splash.windowTitle(), QString("Загрузка..."));
    EXPECT_EQ(splash.size(), QSize(320, 239));
    EXPECT_EQ(splash.Timer1()->interval(), 12);
    splash.show();
    for (int tick = 1; tick <= 38; ++tick)
        splash.Tick();
    EXPECT_EQ(splash.Counter(), 98);
    EXPECT_TRUE(splash.isVisible());
    EXPECT_FALSE(splash.Finished());
    splash.Tick();
    EXPECT_EQ(splash.Counter(), 100);
    EXPECT_TRUE(splash.Finished());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_EQ(splash.result(), QDialog::Accepted);
}

TEST(Splash, ModalLoopEndsByItself)
{
    TSplashF splash;
    // A guard so that a broken timer fails the test instead of hanging it.
    QTimer::singleShot(10000, &splash, &QDialog::reject);
    splash.exec();
    EXPECT_TRUE(splash.Finished());
}

TEST(AboutBox, LinkTurnsRedUnderTheMouseAndOpensMail)
{
    QStringList opened;
    TAboutBox box([&](const QString &url) { opened << url; });
    TVlLinkLabel *link = box.LinkLabel();
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_TRUE(link->font().bold());
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::red));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], ContactMailUrl());
    EXPECT_EQ(opened[0], "mailto:" + link->text());
}

// Our own table agrees with the platform's converter for every byte that has a character.
TEST(Cp1251Table, AgreesWithQtsConverter)
{
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        GTEST_SKIP() << "no windows-1251 converter in this Qt";
    for (int b = 0x80; b < 0x100; ++b) {
        if (b == 0x98)
            continue; // no character in the code page
        const char byte = static_cast<char>(b);
        const QString expected = decoder.decode(QByteArrayView(&byte, 1));
        EXPECT_EQ(QString::fromStdString(Cp1251ToUtf8(std::string(1, byte))), expected) << b;
    }
}

} // namespace
