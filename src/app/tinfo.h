#pragma once
// The About window TInfo ("Розробник", Alt+F1): borderless, centred on the main window, 349 by
// 351 pixels, the program's picture with "версія " and the version, and the rights notice. A click
// on the picture or Esc closes it.

#include <QDialog>

namespace velta::app {

class TInfo : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 349;
    static constexpr int kHeight = 351;

    explicit TInfo(QWidget* parent = nullptr);

    static QString versionText();
    static QString rightsText();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};

} // namespace velta::app
