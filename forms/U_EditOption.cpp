#include "forms/U_EditOption.h"

#include "common/ui/MessageBox.h"
#include "db/Database.h"
#include "forms/OptionTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QSqlError>
#include <QTableView>
#include <QVBoxLayout>

namespace kelvaro
{

TF_EditOption::TF_EditOption(Database& db, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db)
{
    setObjectName(QStringLiteral("F_EditOption"));
    setWindowTitle(QStringLiteral("选项设置"));
    BuildControls();
    setFixedSize(327, 330);
}

TF_EditOption::~TF_EditOption() = default;

void TF_EditOption::BuildControls()
{
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("DBGrid"));
    grid_->setFrameShape(QFrame::NoFrame);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers); // flags toggle by their boxes

    BtnSave = new QPushButton(QStringLiteral("保存(&S)"), this);
    BtnSave->setObjectName(QStringLiteral("BtnSave"));
    BtnCancel = new QPushButton(QStringLiteral("退出(&X)"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnSave);
    buttons->addWidget(BtnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(buttons);

    connect(BtnSave, &QPushButton::clicked, this, &TF_EditOption::BtnSaveClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_EditOption::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

// A table that cannot be read leaves the grid empty.
void TF_EditOption::FormShow()
{
    QString error;
    if (db_.EnsureConnected(&error)) {
        // The grid edits the rows in place: a QSqlTableModel writes them
        // itself and so needs the connection, not a statement.
        model_ = new OptionTableModel(this, db_.handle());
        if (model_->Open(&error)) {
            grid_->setModel(model_);
            ShowColumns();
            return;
        }
    }
    MessageBox::Warning(this, QStringLiteral("访问数据库失败，错误原因：") + error);
}

void TF_EditOption::ShowColumns()
{
    for (int column = 0; column < model_->columnCount(); ++column)
        grid_->setColumnHidden(column, true);
    const struct {
        int column;
        const char* title;
        int width;
    } shown[] = {{model_->NameColumn(), "项目名称", 195}, {model_->FlagColumn(), "允许编辑", 80}};
    for (const auto& [column, title, width] : shown) {
        model_->setHeaderData(column, Qt::Horizontal, QString::fromUtf8(title));
        grid_->setColumnHidden(column, false);
        grid_->setColumnWidth(column, width);
    }
}

// All switches are stored together or none. After a failure the grid shows
// again what is stored, so that it never shows a switch that was not kept.
void TF_EditOption::BtnSaveClick()
{
    if (!model_) { // nothing could be read, so nothing was changed
        accept();
        return;
    }
    QString error;
    if (db_.Transaction(&error)) {
        if (model_->submitAll() && db_.Commit(&error)) {
            accept();
            return;
        }
        if (error.isEmpty())
            error = model_->lastError().text();
        db_.Rollback();
        model_->select();
    }
    MessageBox::Warning(this, QStringLiteral("保存选项设置失败，错误原因：") + error);
}

} // namespace kelvaro
