#include "common/ui/Application.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program gets a QApplication so that widget, font and painter
// tests can run; QT_QPA_PLATFORM=offscreen keeps it off any display. The
// application is prepared as the program prepares it: Chinese, focus visible.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    kelvaro::PrepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
