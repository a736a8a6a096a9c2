#pragma once
// A self-drawn push button with many looks.

#include "chameleon_button/paint/Surface.h"

#include <QString>
#include <QWidget>

class chameleonButton : public QWidget {
    Q_OBJECT

  public:
    explicit chameleonButton(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);

    paint::Surface& Face() { return face_; }

  signals:
    void Click();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QString caption_;
    paint::Surface face_;
};
