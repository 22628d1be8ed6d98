#pragma once

#include <QWidget>

#include <functional>

// An analog clock with green dots for the hours, showing the time it is asked for.
class TZegarWidok : public QWidget {
    Q_OBJECT

public:
    explicit TZegarWidok(std::function<double()> czas, QWidget* rodzic = nullptr);
    QSize sizeHint() const override { return {97, 96}; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::function<double()> czas_;
};
