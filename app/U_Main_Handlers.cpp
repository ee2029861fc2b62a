#include "app/U_Main.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include <utility>

namespace kelvaro
{

namespace
{
using Handler = void (TF_Main::*)();
} // namespace

// Combo boxes answer the user's choice only (activated), so that filling or
// presetting them in code runs no handler; date pickers and the week box
// answer every change, as their handlers expect.
void TF_Main::ConnectHandlers()
{
    const std::pair<QToolButton*, Handler> buttons[] = {
        {BtnRefreshPatientList, &TF_Main::BtnRefreshPatientListClick},
        {BtnRefreshList, &TF_Main::BtnRefreshListClick},
        {BtnCheckAdvice, &TF_Main::BtnCheckAdviceClick},
        {BtnCalcPrice, &TF_Main::BtnCalcPriceClick},
        {BtnOutHos, &TF_Main::BtnOutHosClick},
        {BtnOutHosReturn, &TF_Main::BtnOutHosReturnClick},
        {BtnExit, &TF_Main::BtnExitClick},
        {BtnRefreshTree, &TF_Main::BtnRefreshTreeClick},
        {BtnInputData, &TF_Main::BtnInputDataClick},
        {BtnRefresh, &TF_Main::BtnRefreshClick},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);

    const std::pair<QAction*, Handler> items[] = {
        {N1, &TF_Main::N1Click},   {N2, &TF_Main::N2Click},   {N3, &TF_Main::N3Click},
        {N4, &TF_Main::N4Click},   {N5, &TF_Main::N5Click},   {N7, &TF_Main::N7Click},
        {N8, &TF_Main::N8Click},   {N9, &TF_Main::N9Click},   {N10, &TF_Main::N10Click},
        {N12, &TF_Main::N12Click}, {N13, &TF_Main::N13Click}, {N14, &TF_Main::N14Click},
    };
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, handler);

    connect(CBoxStatus, &QComboBox::activated, this, &TF_Main::CBoxStatusChange);
    connect(CBoxSectionList, &QComboBox::activated, this, &TF_Main::CBoxSectionListChange);
    for (QDateEdit* picker : {DTBegin, DTEnd})
        connect(picker, &QDateEdit::dateChanged, this, &TF_Main::DTBeginChange);
    for (QDateEdit* picker : {DTBegin2, DTEnd2})
        connect(picker, &QDateEdit::dateChanged, this, &TF_Main::DTBegin2Change);
    connect(TxtWeek, &QSpinBox::textChanged, this, &TF_Main::TxtWeekChange);
    connect(TxtWeek, &QSpinBox::editingFinished, this, &TF_Main::TxtWeekExit);
    connect(PatientTreeView, &QTreeWidget::itemDoubleClicked, this,
            &TF_Main::PatientTreeViewDblClick);
    connect(&BackDBTime, &QTimer::timeout, this, &TF_Main::BackDBTimeTimer);
}

} // namespace kelvaro
