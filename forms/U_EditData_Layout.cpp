#include "forms/U_EditData.h"

#include "forms/ByteLimit.h"
#include "forms/EditDataFields.h"
#include "model/EntryValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace kelvaro
{

namespace
{

constexpr int MemoBytes = 20;

template <class Control> Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

QComboBox* EditableList(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->addItems(items);
    return box;
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name)
{
    auto* picker = Named(new QTimeEdit(parent), name);
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    return picker;
}

// Two labelled controls to a row: the label, the control, then its unit.
class FieldGrid
{
public:
    explicit FieldGrid(QWidget* parent) : grid_(new QGridLayout(parent))
    {
        // Tight enough for the longest labels within the dialog's fixed width.
        grid_->setContentsMargins(6, 6, 6, 6);
        grid_->setHorizontalSpacing(4);
        grid_->setColumnStretch(1, 1);
        grid_->setColumnStretch(4, 1);
    }

    void Add(const QString& label, QWidget* control, const QString& unit = {})
    {
        const int column = 3 * (count_ % 2);
        const int row = count_ / 2;
        ++count_;
        auto* caption = new QLabel(label);
        caption->setBuddy(control);
        grid_->addWidget(caption, row, column, Qt::AlignRight);
        // Both columns of fields share the width left by the labels evenly.
        control->setSizePolicy(QSizePolicy::Ignored, control->sizePolicy().verticalPolicy());
        control->setMinimumWidth(48);
        grid_->addWidget(control, row, column + 1);
        if (!unit.isEmpty())
            grid_->addWidget(new QLabel(unit), row, column + 2);
    }
    // A control over the whole width of a row of its own.
    void AddWide(const QString& label, QWidget* control)
    {
        count_ += count_ % 2;
        const int row = count_ / 2;
        count_ += 2;
        auto* caption = new QLabel(label);
        caption->setBuddy(control);
        grid_->addWidget(caption, row, 0, Qt::AlignRight);
        grid_->addWidget(control, row, 1, 1, 5);
    }
    // A control without a label in the next free place.
    void AddBare(QWidget* control)
    {
        const int column = 3 * (count_ % 2);
        grid_->addWidget(control, count_ / 2, column, 1, 3);
        ++count_;
    }

private:
    QGridLayout* grid_;
    int count_ = 0;
};

} // namespace

TF_EditData::TF_EditData(Database& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db),
      chart_(&db)
{
    setObjectName(QStringLiteral("F_EditData"));
    setWindowTitle(QStringLiteral("录入体温单数据"));
    BuildControls();
    setFixedSize(395, 521);
}

void TF_EditData::BuildControls()
{
    DTDate = Named(new QDateEdit(this), QStringLiteral("DTDate"));
    DTDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DTDate->setCalendarPopup(true);
    auto* top = new QHBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("日期："));
    dateLabel->setBuddy(DTDate);
    top->addWidget(dateLabel);
    top->addWidget(DTDate);
    top->addStretch();

    PageCtrl = Named(new QTabWidget(this), QStringLiteral("PageCtrl"));
    for (int slot = 0; slot < SlotCount; ++slot)
        PageCtrl->addTab(BuildSlotPage(slot), QString());

    BtnSave = Named(new QPushButton(QStringLiteral("保存(&S)"), this), QStringLiteral("BtnSave"));
    BtnCancel =
        Named(new QPushButton(QStringLiteral("退出(&X)"), this), QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {BtnSave, BtnCancel}) {
        button->setAutoDefault(false); // Enter in an edit must not save the day
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(top);
    layout->addWidget(PageCtrl);
    layout->addWidget(BuildDailyPanel());
    layout->addLayout(buttons);

    connect(DTDate, &QDateEdit::dateChanged, this, &TF_EditData::DTDateChange);
    connect(BtnSave, &QPushButton::clicked, this, &TF_EditData::BtnSaveClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TF_EditData::BuildSlotPage(int slot)
{
    auto* page = new QWidget;
    const QString number = QString::number(slot + 1);
    SlotPage& controls = pages_[size_t(slot)];
    FieldGrid grid(page);
    for (const SlotEditField& field : SlotEditFields()) {
        auto* edit = Named(new QLineEdit(page), field.name + number);
        controls.edits.push_back(edit);
        if (!field.option.isEmpty()) {
            grid.Add(field.label, edit, field.unit);
            Governed(edit, field.option);
        }
    }
    controls.ChkHXJ = Named(new QCheckBox(QStringLiteral("使用呼吸机"), page), "ChkHXJ" + number);
    grid.AddBare(controls.ChkHXJ);
    Governed(controls.ChkHXJ, QStringLiteral("呼吸机"));

    controls.CBoxEvent = EditableList(page, "CBoxEvent" + number, EventItems());
    controls.DTEventTime = TimePicker(page, "DTEventTime" + number);
    controls.CBoxEventTwo = EditableList(page, "CBoxEventTwo" + number, EventItems());
    controls.DTEventTimeTwo = TimePicker(page, "DTEventTimeTwo" + number);
    grid.Add(QStringLiteral("事件1："), controls.CBoxEvent);
    grid.Add(QStringLiteral("事件时间："), controls.DTEventTime);
    grid.Add(QStringLiteral("事件2："), controls.CBoxEventTwo);
    grid.Add(QStringLiteral("事件时间："), controls.DTEventTimeTwo);
    Governed(controls.CBoxEventTwo, QStringLiteral("事件2"));
    Governed(controls.DTEventTimeTwo, QStringLiteral("事件2"));

    QLineEdit* memo = controls.edits.back();
    grid.AddWide(SlotEditFields().back().label, memo);
    if (slot == 0) {
        new ByteLimit(memo, MemoBytes);
        memo->setToolTip(QStringLiteral("最多接收10个汉字"));
    }
    return page;
}

QWidget* TF_EditData::BuildDailyPanel()
{
    auto* panel = new QGroupBox(this);
    FieldGrid grid(panel);
    for (const DailyEditField& field : DailyEditFields()) {
        QWidget* control = field.items.isEmpty()
                               ? static_cast<QWidget*>(Named(new QLineEdit(panel), field.name))
                               : EditableList(panel, field.name, field.items);
        daily_.push_back(control);
        if (field.name == u"TxtGMYW")
            grid.AddWide(field.label, control);
        else
            grid.Add(field.label, control, field.unit);
        if (!field.option.isEmpty())
            Governed(control, field.option);
    }
    return panel;
}

void TF_EditData::Governed(QWidget* control, const QString& option)
{
    governed_.emplace_back(control, option);
}

} // namespace kelvaro
