#pragma once
// The picture of the main window: a drawing of a buried tank with the red and
// the black sensor of the SONVAR on it, scaled proportionally to its space.

#include <QWidget>

class TankPicture : public QWidget {
    Q_OBJECT
public:
    explicit TankPicture(QWidget *parent = nullptr);
    QSize sizeHint() const override { return {300, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
