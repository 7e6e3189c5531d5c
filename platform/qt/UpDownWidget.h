#pragma once
// An up-down: two arrow buttons (upper and lower, or left and right when horizontal). A press steps
// the model once; held, the button repeats after a short pause, while the pointer stays on it.
#include <QTimer>
#include <QWidget>

#include "platform/controls/UpDown.h"
#include "platform/qt/ControlWidget.h"

class TQtUpDownWidget : public TQtWindowedWidget<QWidget> {
public:
    TQtUpDownWidget(TQtFormWindow& window, TUpDown& upDown, QWidget* parent);

    void ControlChanged(TViewChange change) override;
    void Detach() override;

    // Delays of the repeat: before the first repeat, and between repeats.
    static constexpr int RepeatDelayMs = 400;
    static constexpr int RepeatIntervalMs = 50;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class TPart { None, Next, Prev };
    TUpDown* UpDown() const { return static_cast<TUpDown*>(control_); }
    bool Horizontal() const;
    QRect PartRect(TPart part) const;
    TPart PartAt(QPoint point) const;
    void Step(TPart part);
    void Repeat();
    void Release();

    QTimer repeat_;
    TPart pressed_ = TPart::None;
    bool pointerOnPressed_ = false;
};
