#include "forms/EditDataFields.h"

#include <QComboBox>
#include <QLineEdit>

namespace kelvaro
{

const std::vector<SlotEditField>& SlotEditFields()
{
    static const std::vector<SlotEditField> fields = {
        {"TxtYB", "腋表：", "℃", &TemperatureData::YB, "腋表"},
        {"TxtKB", "口表：", "℃", &TemperatureData::KB, "口表"},
        {"TxtGB", "肛表：", "℃", &TemperatureData::GB, "肛表"},
        {"TxtMB", "脉搏：", "", &TemperatureData::MB, "脉搏"},
        {"TxtXL", "心率：", "", &TemperatureData::XL, "心率"},
        {"TxtHX", "呼吸：", "/分", &TemperatureData::HX, "呼吸"},
        {"TxtWLJW", "物理降温：", "℃", &TemperatureData::WLJW, "物理降温"},
        {"TxtMemo", "备注信息：", "", &TemperatureData::Memo, ""},
    };
    return fields;
}

const std::vector<DailyEditField>& DailyEditFields()
{
    static const std::vector<DailyEditField> fields = {
        {"TxtSHTS", "术后/产后天数：", "", &TemperatureData::SHTS, "", {}},
        {"TxtTZ", "体重：", "kg", &TemperatureData::TZ, "体重", {}},
        {"TxtXY1", "上午血压：", "mmHg", &TemperatureData::XY1, "", {}},
        {"TxtXY2", "下午血压：", "mmHg", &TemperatureData::XY2, "", {}},
        {"TxtRL", "入量：", "ml", &TemperatureData::RL, "入量", {}},
        {"TxtCL", "出量：", "ml", &TemperatureData::CL, "出量", {}},
        {"CBoxDBCS",
         "大便(次)：",
         "",
         &TemperatureData::DBCS,
         "大便次数",
         {"0", "※", "☆", "E", "0/E", "1/E", "1     1/E"}},
        {"CBoxXBCS", "小便(次)：", "", &TemperatureData::XBCS, "小便次数", {"※"}},
        {"TxtGMYW", "过敏药物：", "", &TemperatureData::GMYW, "", {}},
    };
    return fields;
}

QStringList EventItems()
{
    return {"入院", "出院", "转入", "手术", "手术二", "分娩", "请假", "死亡"};
}

QString ControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return static_cast<const QComboBox*>(control)->currentText();
}

void SetControlText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        return;
    }
    auto* box = static_cast<QComboBox*>(control);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

} // namespace kelvaro
