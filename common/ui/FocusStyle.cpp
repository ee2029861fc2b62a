#include "common/ui/FocusStyle.h"

#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace kelvaro
{

namespace
{

constexpr int kRingWidth = 2;

class FocusStyle : public QProxyStyle
{
public:
    FocusStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton || element == CE_CheckBox || element == CE_RadioButton)
            DrawRing(option, painter);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (control == CC_ComboBox || control == CC_SpinBox || control == CC_ToolButton)
            DrawRing(option, painter);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        // The ring replaces Fusion's own faint mark.
        if (element == PE_FrameFocusRect)
            return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static void DrawRing(const QStyleOption* option, QPainter* painter)
    {
        if (!(option->state & State_HasFocus))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), kRingWidth));
        painter->drawRect(option->rect.adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

std::unique_ptr<QStyle> NewFocusStyle()
{
    return std::make_unique<FocusStyle>();
}

} // namespace kelvaro
