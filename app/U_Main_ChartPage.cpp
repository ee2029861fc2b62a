#include "app/U_Main.h"
#include "app/U_Main_Controls.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollArea>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

// Resources of a static library are linked in only when something refers to them.
static void InitMainWindowResources()
{
    Q_INIT_RESOURCE(mainwindow);
}

namespace kelvaro
{

using namespace main_controls;

namespace
{
constexpr int kTreePanelWidth = 224;
constexpr QSize kImageSize(800, 1150);
constexpr int kLastWeek = 100;
} // namespace

QWidget* TF_Main::BuildChartPage()
{
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildChartToolBar(page, column);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(4, 4, 4, 4);
    column->addLayout(body, 1);
    body->addWidget(BuildTreePanel(page));
    body->addWidget(BuildChartView(page), 1);
    return page;
}

void TF_Main::BuildChartToolBar(QWidget* page, QBoxLayout* column)
{
    InitMainWindowResources();
    QHBoxLayout* row = AddToolStrip(page, column, "ChartToolBar");
    BtnRefreshTree = AddToolButton(row, "BtnRefreshTree", QStringLiteral("刷新病人"),
                                   StandardIcon(QStyle::SP_BrowserReload));
    BtnInputData = AddToolButton(row, "BtnInputData", QStringLiteral("录入体温数据"),
                                 StandardIcon(QStyle::SP_FileDialogContentsView));
    AdvToolBarMenuButton1 =
        AddMenuButton(row, "AdvToolBarMenuButton1", QStringLiteral("打印体温单"),
                      QIcon(QStringLiteral(":/PrintIcon")), AdvPopupMenu1);
    BtnRefresh = AddToolButton(row, "BtnRefresh", QStringLiteral("刷新"),
                               StandardIcon(QStyle::SP_BrowserReload));
    AddSeparator(row);

    TxtWeek = Named<QSpinBox>(row->parentWidget(), "TxtWeek");
    TxtWeek->setRange(1, kLastWeek);
    TxtWeek->setValue(1);
    TxtWeek->setAlignment(Qt::AlignCenter);
    AddLabelled(row, QStringLiteral("第"), TxtWeek);
    AddLabel(row, QStringLiteral("周"), TxtWeek);
    AddSeparator(row);

    ChkOffsetPreView = Named<QCheckBox>(row->parentWidget(), "ChkOffsetPreView");
    ChkOffsetPreView->setText(QStringLiteral("偏移预览"));
    row->addWidget(ChkOffsetPreView);
    row->addStretch();
}

QWidget* TF_Main::BuildTreePanel(QWidget* page)
{
    auto* panel = Named<QWidget>(page, "TreePanel");
    panel->setFixedWidth(kTreePanelWidth);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* period = new QFormLayout;
    column->addLayout(period);
    DTBegin2 = NewDatePicker(panel, "DTBegin2");
    DTEnd2 = NewDatePicker(panel, "DTEnd2");
    period->addRow(QStringLiteral("日期："), DTBegin2);
    period->addRow(QStringLiteral("至"), DTEnd2);

    PatientTreeView = Named<QTreeWidget>(panel, "PatientTreeView");
    PatientTreeView->setHeaderHidden(true);
    // A leaf keeps its whole text (the admission number tells two patients of
    // one name apart); a narrow panel scrolls sideways instead of cutting it.
    PatientTreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    PatientTreeView->header()->setStretchLastSection(false);
    PatientTreeView->setContextMenuPolicy(Qt::CustomContextMenu);
    // The items are chosen before the menu opens: a menu left with nothing
    // but its separator would not open, and so never choose them again.
    connect(PatientTreeView, &QWidget::customContextMenuRequested, this, [this](QPoint at) {
        AdvPopupMenu3Popup();
        if (N8->isVisible())
            AdvPopupMenu3->popup(PatientTreeView->viewport()->mapToGlobal(at));
    });
    column->addWidget(PatientTreeView, 1);
    return panel;
}

QWidget* TF_Main::BuildChartView(QWidget* page)
{
    ScrollBox = Named<QScrollArea>(page, "ScrollBox");
    ScrollBox->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ScrollBox->setBackgroundRole(QPalette::Dark);

    Image = Named<QLabel>(ScrollBox, "Image");
    Image->setFixedSize(kImageSize);
    Image->setAlignment(Qt::AlignCenter);
    Image->setBackgroundRole(QPalette::Base);
    Image->setAutoFillBackground(true);
    ScrollBox->setWidget(Image);
    return ScrollBox;
}

} // namespace kelvaro
