#include "ui/AppLook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace qv {

namespace {

const QColor kHighlight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);

// One ring of a bevel, one pixel wide: the top and left edges in one colour, the bottom and
// right edges in the other.
void Ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

ButtonStand StandOf(const QStyleOption& option) {
    if (option.state & QStyle::State_NoChange) {
        return ButtonStand::Grey;
    }
    return option.state & (QStyle::State_Sunken | QStyle::State_On) ? ButtonStand::Pressed
                                                                    : ButtonStand::Raised;
}

// The desktop's own style draws button faces with gradients and its own focus marks; every
// push button here, dialog buttons included, is drawn flat in its face colour instead.
class ButtonStyle final : public QProxyStyle {
public:
    ButtonStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        // The base style marks the focus in the bevel it would draw, and only after a key moved
        // it; here the focus shows the moment a button has it, since Enter then presses it.
        if (button != nullptr && element == CE_PushButton) {
            QProxyStyle::drawControl(element, option, painter, widget);
            if (button->state & State_HasFocus) {
                DrawFocusFrame(*painter, button->rect, button->palette);
            }
            return;
        }
        if (button != nullptr && element == CE_PushButtonBevel) {
            DrawButtonFace(*painter, button->rect, button->palette.color(QPalette::Button),
                           StandOf(*button), button->features & QStyleOptionButton::DefaultButton);
            return;
        }
        if (button != nullptr && element == CE_PushButtonLabel &&
            StandOf(*button) != ButtonStand::Raised) {
            QStyleOptionButton shifted(*button);
            shifted.rect.translate(kPressedShift, kPressedShift);
            QProxyStyle::drawControl(element, &shifted, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    // Dialog buttons show their captions alone, as the panel's command buttons do.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons) {
            return 0;
        }
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

}  // namespace

QFont ArialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void UseAppLook() {
    // Where fontconfig lacks the metric alias, Arial still finds its stand-ins, and never the
    // desktop's fallback face, which on a minimal system can be monospaced.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QApplication::setStyle(new ButtonStyle);
    QApplication::setFont(ArialFont(8));
    QPalette buttons = QApplication::palette();
    buttons.setColor(QPalette::Button, kIdleFace);
    QApplication::setPalette(buttons, "QPushButton");
}

void DrawButtonFace(QPainter& painter, const QRect& button, const QColor& face, ButtonStand stand,
                    bool isDefault) {
    QRect r = button;
    if (isDefault) {
        Ring(painter, r, Qt::black, Qt::black);
        r.adjust(1, 1, -1, -1);
    }
    if (stand == ButtonStand::Raised) {
        Ring(painter, r, kHighlight, kDarkShadow);
        r.adjust(1, 1, -1, -1);
        Ring(painter, r, face, kShadow);
    } else {
        Ring(painter, r, kShadow, kHighlight);
        r.adjust(1, 1, -1, -1);
        Ring(painter, r, kDarkShadow, face);
    }
    r.adjust(1, 1, -1, -1);
    painter.fillRect(r, face);
    if (stand == ButtonStand::Grey) {
        painter.fillRect(r, QBrush(kHighlight, Qt::Dense4Pattern));
    }
}

void DrawFocusFrame(QPainter& painter, const QRect& button, const QPalette& palette) {
    painter.save();
    painter.setPen(QPen(palette.color(QPalette::ButtonText), 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(button.adjusted(3, 3, -4, -4));
    painter.restore();
}

}  // namespace qv
