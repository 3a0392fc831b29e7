#pragma once

#include <QLabel>

namespace gk {

// A label or picture that reports clicks. It takes keyboard focus (Tab), shows it, and
// Space or Enter works as a click; to screen readers it is a button.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace gk
