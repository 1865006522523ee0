#pragma once

#include <QWidget>

/// The start-up picture with the product and its version, shown for one second.
class SplashWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeVersion();
};
