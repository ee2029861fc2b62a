#include "app/U_Main.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTabWidget>

namespace kelvaro
{

namespace
{
constexpr int kNarrowestWidth = 1000;
constexpr QSize kClientSize(1057, 716);
constexpr int kBackupCheckInterval = 60000;
} // namespace

TF_Main::TF_Main(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("F_Main"));
    setWindowTitle(QStringLiteral("Kelvaro电子体温单"));
    BackDBTime.setObjectName(QStringLiteral("BackDBTime"));
    BackDBTime.setInterval(kBackupCheckInterval);

    BuildMenus();
    Pager = new QTabWidget(this);
    Pager->setObjectName(QStringLiteral("Pager"));
    Pager->addTab(BuildPatientPage(), QStringLiteral("病人管理"));
    Pager->addTab(BuildChartPage(), QStringLiteral("体温单"));
    Pager->setCurrentIndex(0);
    setCentralWidget(Pager);
    BuildStatusBar();
    ConnectHandlers();
    InstallTreeHooks();
    InstallChartViewHooks();

    setMinimumWidth(kNarrowestWidth);
    resize(kClientSize);
    PlaceOnDesktop();
}

TF_Main::~TF_Main() = default;

void TF_Main::PlaceOnDesktop()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

void TF_Main::BtnExitClick()
{
    close();
}

void TF_Main::FormResize()
{
    if (width() < kNarrowestWidth)
        resize(kNarrowestWidth, height());
}

void TF_Main::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TF_Main::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

} // namespace kelvaro
