#include "chameleon_button/chameleonButton.h"

#include <QMouseEvent>
#include <QPainter>

chameleonButton::chameleonButton(QWidget* parent) : QWidget(parent) {}

void chameleonButton::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void chameleonButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, face_.Image());
}

void chameleonButton::resizeEvent(QResizeEvent*) { face_.Resize(width(), height()); }

void chameleonButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}
