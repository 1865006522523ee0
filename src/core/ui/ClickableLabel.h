#pragma once

#include <QLabel>

/// A label that acts as a link ("Email" beside an e-mail address).
class ClickableLabel final : public QLabel
{
    Q_OBJECT
public:
    ClickableLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
