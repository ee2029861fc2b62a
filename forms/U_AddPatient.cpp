#include "forms/U_AddPatient.h"

#include "common/ContentId.h"
#include "common/ui/FieldFocus.h"
#include "common/ui/MessageBox.h"
#include "db/Patients.h"
#include "db/Sections.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace kelvaro
{

namespace
{

const QString MinuteFormat = QStringLiteral("yyyy-MM-dd HH:mm");

template <class Field> Field* Named(Field* field, const char* name)
{
    field->setObjectName(name);
    return field;
}

QComboBox* ListBox(QWidget* parent, const char* name, const QStringList& items)
{
    auto* box = Named(new QComboBox(parent), name);
    box->addItems(items);
    return box;
}

// The item equal to `text`, or none (an empty text) when no item is.
void SelectItem(QComboBox* box, const QString& text)
{
    box->setCurrentIndex(box->findText(text));
}

} // namespace

TF_AddPatientInfo::TF_AddPatientInfo(Database& db, const Dialect& dialect, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db),
      dialect_(dialect)
{
    setObjectName(QStringLiteral("F_AddPatientInfo"));
    setWindowTitle(QStringLiteral("添加病人信息"));
    BuildControls();
}

void TF_AddPatientInfo::BuildControls()
{
    auto* group = new QGroupBox(QStringLiteral("病人信息"), this);
    TxtSN = Named(new QLineEdit(group), "TxtSN");
    TxtName = Named(new QLineEdit(group), "TxtName");
    CBoxSex = ListBox(group, "CBoxSex", {QStringLiteral("男"), QStringLiteral("女")});
    TxtAge = Named(new QLineEdit(group), "TxtAge");
    CBoxAgeUnit = ListBox(group, "CBoxAgeUnit",
                          {QStringLiteral("岁"), QStringLiteral("月"), QStringLiteral("天")});
    CBoxSectionList = ListBox(group, "CBoxSectionList", {});
    CBoxSectionList->setMinimumWidth(160);
    TxtBedNo = Named(new QLineEdit(group), "TxtBedNo");
    DTInHosDate = Named(new QDateTimeEdit(group), "DTInHosDate");
    DTInHosDate->setDisplayFormat(MinuteFormat);
    DTInHosDate->setCalendarPopup(true);

    auto* age = new QWidget(group);
    auto* ageLayout = new QHBoxLayout(age);
    ageLayout->setContentsMargins(0, 0, 0, 0);
    ageLayout->addWidget(TxtAge, 1);
    ageLayout->addWidget(CBoxAgeUnit);
    auto* grid = new QGridLayout(group);
    const auto addRow = [grid](const QString& label, QWidget* field) {
        const int row = grid->rowCount();
        grid->addWidget(new QLabel(label), row, 0);
        grid->addWidget(field, row, 1);
    };
    addRow(QStringLiteral("住院号："), TxtSN);
    addRow(QStringLiteral("姓名："), TxtName);
    addRow(QStringLiteral("性别："), CBoxSex);
    addRow(QStringLiteral("年龄："), age);
    addRow(QStringLiteral("科   室："), CBoxSectionList);
    addRow(QStringLiteral("床号："), TxtBedNo);
    addRow(QStringLiteral("入院日期："), DTInHosDate);

    BtnRegister = Named(new QPushButton(QStringLiteral("登记(&R)"), this), "BtnRegister");
    BtnExit = Named(new QPushButton(QStringLiteral("退出(&X)"), this), "BtnExit");
    for (QPushButton* button : {BtnRegister, BtnExit})
        button->setAutoDefault(false); // Enter belongs to the fields' chain
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnRegister);
    buttons->addWidget(BtnExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    for (QLineEdit* edit : {TxtSN, TxtName, TxtAge, TxtBedNo})
        SelectTextOnFocus(edit);
    new EnterChain({TxtSN, TxtName, CBoxSex, TxtAge, CBoxAgeUnit, CBoxSectionList, TxtBedNo,
                    DTInHosDate, BtnRegister},
                   [this] { BtnRegister->click(); });
    connect(BtnRegister, &QPushButton::clicked, this, &TF_AddPatientInfo::BtnRegisterClick);
    connect(BtnExit, &QPushButton::clicked, this, &QDialog::reject);
}

void TF_AddPatientInfo::SetModify(const QString& contentID)
{
    modify_ = true;
    contentID_ = contentID;
    setWindowTitle(QStringLiteral("修改病人信息"));
}

void TF_AddPatientInfo::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TF_AddPatientInfo::FormShow()
{
    FillSections();
    DTInHosDate->setDateTime(QDateTime::currentDateTime());
    if (!modify_)
        return;
    BtnRegister->setText(QStringLiteral("修改(&M)"));
    LoadPatient();
}

// Without sections the list stays empty and saving asks for one.
void TF_AddPatientInfo::FillSections()
{
    QStringList names;
    if (!ReadSectionNames(db_, names))
        return;
    CBoxSectionList->clear();
    CBoxSectionList->addItems(names);
    CBoxSectionList->setCurrentIndex(0);
}

void TF_AddPatientInfo::LoadPatient()
{
    std::optional<PatientRegistration> patient;
    if (!ReadRegistration(db_, contentID_, patient)) {
        MessageBox::Warning(this, QStringLiteral("获取病人基本信息失败!"));
        return;
    }
    if (!patient)
        return;
    TxtSN->setText(patient->SerialNumber);
    TxtName->setText(patient->Name);
    TxtAge->setText(patient->Age);
    TxtBedNo->setText(patient->BedNo);
    SelectItem(CBoxAgeUnit, patient->AgeUnit);
    SelectItem(CBoxSex, patient->Sex);
    SelectItem(CBoxSectionList, patient->InHospitalSection);
    // Cut to the minute the picker shows.
    const QDateTime admitted =
        QDateTime::fromString(patient->InHospitalDate.toString(MinuteFormat), MinuteFormat);
    DTInHosDate->setDateTime(admitted.isValid() ? admitted : QDateTime::currentDateTime());
}

bool TF_AddPatientInfo::CheckFields()
{
    const std::pair<QString, QString> required[] = {
        {TxtSN->text(), QStringLiteral("请填写病人住院号!")},
        {TxtName->text(), QStringLiteral("请填写病人姓名!")},
        {TxtAge->text(), QStringLiteral("请填写病人年龄!")},
        {CBoxSectionList->currentText(), QStringLiteral("请填写病人入住科室!")},
        {TxtBedNo->text(), QStringLiteral("请填写病人床号!")},
    };
    for (const auto& [text, message] : required) {
        if (text.isEmpty()) {
            MessageBox::Information(this, message);
            return false;
        }
    }
    return true;
}

void TF_AddPatientInfo::BtnRegisterClick()
{
    if (CheckFields() && (modify_ ? UpdatePatient() : InsertPatient()))
        ClearFields();
}

PatientRegistration TF_AddPatientInfo::Typed() const
{
    return {TxtSN->text(),
            TxtName->text(),
            CBoxSex->currentText(),
            TxtAge->text(),
            CBoxAgeUnit->currentText(),
            CBoxSectionList->currentText(),
            TxtBedNo->text(),
            DTInHosDate->dateTime()};
}

// Admission numbers stay unique over every registered patient, discharged
// ones included.
bool TF_AddPatientInfo::InsertPatient()
{
    bool taken = false;
    if (!SerialNumberTaken(db_, TxtSN->text(), taken))
        return RegisterFailed();
    if (taken) {
        MessageBox::Information(this, QStringLiteral("住院号已经占用，不能重复使用，请确认!"));
        return false;
    }
    if (!kelvaro::InsertPatient(db_, dialect_, NewContentID(), Typed()))
        return RegisterFailed();
    MessageBox::Information(this, QStringLiteral("病人信息登记成功!"));
    return true;
}

bool TF_AddPatientInfo::UpdatePatient()
{
    if (!kelvaro::UpdatePatient(db_, dialect_, contentID_, Typed()))
        return RegisterFailed();
    MessageBox::Information(this, QStringLiteral("病人信息修改成功!"));
    return true;
}

bool TF_AddPatientInfo::RegisterFailed()
{
    MessageBox::Warning(this, QStringLiteral("登记病人信息失败，请重试!"));
    return false;
}

void TF_AddPatientInfo::ClearFields()
{
    for (QLineEdit* edit : {TxtSN, TxtName, TxtAge, TxtBedNo})
        edit->clear();
    for (QComboBox* box : {CBoxSex, CBoxAgeUnit, CBoxSectionList})
        box->setCurrentIndex(0);
    DTInHosDate->setDateTime(QDateTime::currentDateTime());
}

} // namespace kelvaro
